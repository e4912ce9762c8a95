// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A bout: its rounds, how it ends, and what it leaves in the records and in the career's fight log,
// the file beside the career that every bout and week adds to.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "CareerFiles.h"
#include "WeekSetup.h"

namespace ringvale::test {
namespace {

// Wins-losses-draws, KOs, place, and what punches left of Strength and Speed.
std::string Record(const RosterEntry& boxer) {
  const auto n = [](int value) { return std::to_string(value); };
  return n(boxer.Wins) + "-" + n(boxer.Losses) + "-" + n(boxer.Draws) + " " + n(boxer.KOs) +
         "KO, place " + n(boxer.Rank) + ", " + n(boxer.Strength) + "/" + n(boxer.Speed);
}

constexpr double Q = QuietComment;

// Ivo Marchetti (place 1) and Deacon Flint (2) both score 29 untouched. In a simulated bout B
// punches first: after the unused draw, draws 1 to 10 are Deacon's punches, 11 to 20 Ivo's. Ten
// that land wear the other boxer down, each costing him one Strength and one Speed; an upset
// winner takes the loser's place.
TEST(Bout, PunchesWearTheirTargetAndTheResultCountsInBothRecords) {
  // The first of ten draws that land (0: none), the result, and the two boxers after it.
  const std::tuple<int, std::string, std::string, std::string> cases[] = {
      {0, "Ivo Marchetti has drawn with Deacon Flint", "0-0-1 0KO, place 1, 90/100",
       "0-0-1 0KO, place 2, 90/100"},
      {1, "Deacon Flint has beaten Ivo Marchetti", "0-1-0 0KO, place 2, 80/90",
       "1-0-0 0KO, place 1, 90/100"},
      {11, "Ivo Marchetti has beaten Deacon Flint", "1-0-0 0KO, place 1, 90/100",
       "0-1-0 0KO, place 2, 80/90"}};
  for (const auto& [landing, result, ivo, deacon] : cases) {
    TestGame t;
    SetUpCareer(t.game);
    t.random.values.assign(1 + 20 * SimulatedRounds, 0.0);
    for (int i = 0; landing > 0 && i < 10; ++i) t.random.values[landing + i] = 0.9;
    HoldBout(t.game, 1, 2);
    EXPECT_EQ(t.screen.messages, (std::vector<Shown>{{result, "Latest Boxing Results"}}));
    EXPECT_EQ(Record(t.game.career.Roster[1]) + " | " + Record(t.game.career.Roster[2]),
              ivo + " | " + deacon);
  }
  // In the player's round his own punches land first; before the tenth round the caption turns
  // to the judges. A score out of the bars' range (only a hand-edited file has one) shows as a
  // full or an empty bar.
  TestGame t;
  SetUpCareer(t.game);
  t.game.career.Player().Strength = 300;    // scores 50
  t.game.career.Roster[2].Strength = -400;  // scores -20
  t.game.bout.FightRound = JudgesRound - 1;
  t.random.Push({0.0, 0.9, 0.9});
  PushMissedRounds(t.random, 1);
  PlayRound(t.game, 0, 2);
  const FightWindow& fight = t.game.fight;
  EXPECT_EQ(Record(t.game.career.Player()) + " | " + Record(t.game.career.Roster[2]),
            "0-0-0 0KO, place 0, 300/100 | 0-0-0 0KO, place 2, -402/98");
  EXPECT_EQ(fight.fraFight + ", " + fight.cmdNextRound, "Round 9, Judges Decision");
  EXPECT_EQ(std::pair(fight.proStamina, fight.proRivStamina), std::pair(FightBarTop, 0));
}

// Knock-downs come with the commentary: Deacon Flint's in round 2 (text 2) and two in round 7
// (text 5); Sam's in rounds 2 and 5 (texts 5 and 1), then both men's in round 8 (text 1). The
// third ends the bout with its paragraph on show, fighter A out when both reach it. Otherwise
// the judges decide after round 10, on the scores: equal ones are a draw that pays nothing.
TEST(Bout, TheThirdKnockdownOrTheJudgesEndThePlayersBout) {
  const std::tuple<std::vector<double>, std::vector<std::string>, std::string> cases[] = {
      {{Q, 0.4, Q, Q, Q, Q, 0.95},
       {"Deacon Flint has been knocked out!!! [Sam has completely a]",
        "Sam has beaten Deacon Flint [Sam has completely a]"},
       "1-0-0 1KO, place 0, 90/100"},
      {{Q, 0.95, Q, Q, 0.2, Q, 0.95, 0.2},
       {"Sam has been knocked out!!! [It seemed over in th]",
        "Deacon Flint has beaten Sam [It seemed over in th]"},
       "0-1-0 0KO, place 1, 90/100"},
      {ToTheJudges,
       {"Sam has drawn with Deacon Flint [ I didn't think that]"},
       "0-0-1 0KO, place 0, 90/100"}};
  for (const auto& [comments, results, sam] : cases) {
    TestGame t;
    SetUpCareer(t.game);
    PushPlayersBout(t.random, 0, 0.95, comments);
    std::vector<std::string> shown;  // each box with the start of the commentary on show
    t.screen.onMessage = [&](const Shown& box) {
      shown.push_back(box.prompt + " [" + t.game.fight.txtComments.substr(0, 20) + "]");
    };
    HoldBout(t.game, 0, 2);
    EXPECT_EQ(shown.front(), "Let's get ready to rumble!!! [Sam and Deacon Flint]");
    EXPECT_EQ(std::vector(shown.begin() + 1, shown.end()), results);
    EXPECT_EQ(Record(t.game.career.Player()), sam);
    EXPECT_EQ(t.game.career.Money, 20000);
  }
}

// The fixer's offer and a points win's purse go by the player's place. The champion's win is a
// title defence and a win over the champion takes the title; the last place is offered nothing
// and draws no roll for it. Only a roll of 1 (2r strictly between 0.5 and 1.5) brings an offer.
TEST(Bout, TheOfferAndThePurseGoByThePlayersPlace) {
  const double offers[] = {600000, 300000, 100000, 80000, 50000, 30000, 30000, 20000, 15000, 0};
  const double purses[] = {500000, 200000, 80000, 50000, 35000, 22000, 22000, 15000, 10000, 5000};
  // The player's place, the place of the boxer he outscores, the bribe roll.
  const std::tuple<int, int, double> cases[] = {
      {0, 1, 0.5}, {1, 0, 0.5}, {1, 2, 0.5}, {2, 1, 0.5}, {3, 2, 0.5},  {4, 3, 0.5}, {5, 4, 0.5},
      {6, 5, 0.5}, {7, 6, 0.5}, {8, 7, 0.5}, {9, 8, -1},  {4, 3, 0.25}, {4, 3, 0.75}};
  for (const auto& [place, beaten, bribeRoll] : cases) {
    SCOPED_TRACE(std::to_string(place) + " beats " + std::to_string(beaten));
    TestGame t;
    SetUpCareer(t.game);
    SwapRanks(t.game, 0, place);
    t.game.career.Player().Strength = 110;
    PushPlayersBout(t.random, bribeRoll, Q, ToTheJudges);
    HoldBout(t.game, 0, beaten == 0 ? place : beaten);
    // The box before the result: a championship's, else the bell's.
    EXPECT_EQ(t.screen.messages.end()[-2].title, place == 0    ? "The Greatest of All Time!"
                                                 : beaten == 0 ? "!!!CHAMPION!!!"
                                                               : "Ringvale");
    EXPECT_EQ(t.game.bribe.BribeOffered ? t.game.bribe.BribeAmount : 0,
              bribeRoll == 0.5 ? offers[place] : 0);
    EXPECT_EQ(t.game.career.Money, 20000 + purses[place]);
    EXPECT_EQ(t.game.career.TitleDefences, place == 0 ? 1 : 0);
  }
}

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
    playersBout(3, 0.0, nullptr);  // points win: purse 35000, Sam takes place 4
    PushRivalsBout(random);
    HoldBout(game, 5, 6);  // a draw
    PushRivalsBout(random);
    HoldBout(game, 1, 2);  // Deacon Flint outscores Ivo Marchetti
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
