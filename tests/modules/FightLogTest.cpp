// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The career's fight log: what every bout and week leaves in it, and the file beside the career.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "CareerFiles.h"
#include "WeekSetup.h"

namespace ringvale::test {
namespace {

namespace fs = std::filesystem;

// Sam's career of a few bouts, each ending its own way, and two quiet weeks.
struct LoggedCareer : TestGame {
  LoggedCareer() {
    SetUpCareer(game);
    SwapRanks(game, 0, 4);  // Sam is ranked 4, Otto Varga champion
    game.career.CareerPath = careerFile.string();
    game.career.Player().Strength = 110;  // outscores every rival on points
    game.career.Roster[2].Strength = 100;
    // The player's bouts: no landed punch, quiet commentary; `bribe` 0.5 brings an offer.
    const auto playersBout = [&](int rival, double bribe, std::function<void(Game&)> play) {
      PushPlayersBout(random, bribe, QuietComment, ToTheJudges);
      screen.playFight = std::move(play);
      HoldBout(game, 0, rival);
      random.values.clear();
    };
    playersBout(3, 0.0, nullptr);        // points win: purse 35000, Sam takes place 4
    HoldRivalsBout(game, random, 5, 6);  // a draw
    HoldRivalsBout(game, random, 1, 2);  // Deacon Flint outscores Ivo Marchetti
    QuietWeek(game, random);
    playersBout(4, 0.0, [](Game& g) {
      DoRound(g);
      DoRound(g);
      g.bout.KnockdownsA = 3;
      KnockOut(g);
    });
    playersBout(4, 0.0, RetireFromBout);
    playersBout(4, 0.5, [&](Game& g) {  // a bribe of 80000 paid
      DoRound(g);
      random.values = {0.0};
      Dive(g);
    });
    QuietWeek(game, random);
    playersBout(4, 0.5, [&](Game& g) {  // caught: fined 50000
      random.values = {0.6};
      Dive(g);
    });
  }
  fs::path careerFile = folder.Path() / "Sam.box";
  fs::path logFile = folder.Path() / "Sam.log";
};

const std::string SamsLog =
    "\"Ringvale fight log\",1,12\r\n"
    "\"bout\",10,0,4,3,3,\"points\",10,35000\r\n"
    "\"bout\",10,5,5,6,6,\"draw\",9,0\r\n"
    "\"bout\",10,2,2,1,1,\"points\",9,0\r\n"
    "\"bout\",11,4,0,0,3,\"knock-out\",2,0\r\n"
    "\"bout\",11,4,0,0,3,\"retirement\",0,0\r\n"
    "\"bout\",11,4,0,0,3,\"dive\",1,80000\r\n"
    "\"week\",11,3,110,100,55000\r\n"
    "\"bout\",12,4,0,0,3,\"dive\",0,-50000\r\n"
    "\"week\",12,3,110,100,135000\r\n";

TEST(FightLog, EveryBoutAndWeekIsSavedBesideTheCareerAndLoadsBack) {
  LoggedCareer t;
  SaveCareer(t.game);
  const std::string careerBefore = ReadBytes(t.careerFile);
  EXPECT_EQ(ReadBytes(t.logFile), SamsLog);
  EXPECT_EQ(WeekText(52) + ", " + WeekText(53), "Year 0, Week 52, Year 1, Week 1");
  EXPECT_EQ(BoutText(t.game.career, t.game.log.Bouts[0]), "Sam (5) beat Bram Kestovic (4)");
  EXPECT_EQ(HowText(t.game.log.Bouts[0]), "on points after 10 rounds");
  EXPECT_EQ(BoutText(t.game.career, t.game.log.Bouts[1]),
            "Lenny Sorrel (6) drew with Rafe Calder (7)");

  t.game.log = {};
  t.screen.messages.clear();
  LoadBoxer(t.game, t.careerFile);
  EXPECT_TRUE(t.screen.messages.empty());
  SaveCareer(t.game);  // the log read back saves the same bytes
  EXPECT_EQ(ReadBytes(t.logFile), SamsLog);
  EXPECT_EQ(ReadBytes(t.careerFile), careerBefore);
}

// Each bad log in turn is kept under a name of its own.
TEST(FightLog, AMalformedLogIsReportedOnceAndSetAsideWhileTheCareerLoads) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {Replaced(SamsLog, ",1,12\r", ",1,11\r"),
       "Line 1: it was saved with the career at week 11, the career file stands at week 12"},
      {Replaced(SamsLog, "\"week\",11,3", "\"week\",11,10"),
       "Line 8: rank 10 is not one of 0 to 9"},
      {Replaced(SamsLog, "\"week\",11", "\"" + std::string(100000, 'w') + "\",11"),
       "Line 8: \"wwwwwwwwwwwwwwwwwwwwwwww...\" is neither a bout nor a week"},
      {SamsLog.substr(0, SamsLog.size() - 6), "Line 10: the line is cut off before its end"}};
  LoggedCareer t;
  SaveCareer(t.game);
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const auto& [log, problem] = cases[i];
    SCOPED_TRACE(problem);
    WriteBytes(t.logFile, log);
    t.screen.messages.clear();
    LoadBoxer(t.game, t.careerFile);
    const std::string damaged =
        t.logFile.string() + ".damaged" + (i == 0 ? "" : "." + std::to_string(i + 1));
    EXPECT_EQ(t.screen.messages,
              (std::vector<Shown>{{"\"" + t.logFile.string() +
                                       "\" is not a fight log that can be read.\n" + problem +
                                       ".\nIt has been set aside as \"" + damaged +
                                       "\".\nThe career goes on with an empty fight log.",
                                   "Ringvale"}}));
    EXPECT_EQ(t.game.main.lblWeeks, "Year : 0, Week : 12");
    EXPECT_TRUE(t.game.log.Empty());
    EXPECT_EQ(ReadBytes(damaged), log);
    EXPECT_FALSE(fs::exists(t.logFile));
  }
}

}  // namespace
}  // namespace ringvale::test
