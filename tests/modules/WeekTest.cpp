#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestGame.h"
#include "WeekSetup.h"
#include "modSetFights.h"

namespace ringvale::test {
namespace {

const std::string Results = "Latest Boxing Results";

std::vector<std::string> ResultPrompts(const RecordingScreen& screen) {
  std::vector<std::string> prompts;
  for (const auto& shown : screen.messages) {
    if (shown.title == Results) prompts.push_back(shown.prompt);
  }
  return prompts;
}

bool Booked(const Game& game, int first, int second, int weeks) {
  const auto& roster = game.career.Roster;
  return roster[first].Opponent == second && roster[second].Opponent == first &&
         roster[first].WeeksToBout == weeks && roster[second].WeeksToBout == weeks;
}

bool NobodyBooked(const Game& game) {
  return std::all_of(game.career.Roster.begin(), game.career.Roster.end(),
                     [](const RosterEntry& boxer) { return boxer.Opponent == NoOpponent; });
}

class WeekTest : public ::testing::Test {
 protected:
  void SetUp() override { SetUpCareer(game); }
  // One press of Next Week whose draw comes to nothing: ranks 1 and 9 are far apart.
  void QuietWeek() {
    PushDraw(t.random, 1, 9);
    PushRivalTraining(t.random);
    NextWeek(game);
  }
  TestGame t;
  Game& game = t.game;
};

TEST_F(WeekTest, NextWeekWithoutACareerSaysSoAndChangesNothing) {
  game.career = Career{};
  game.career.Week = 7;
  const Career before = game.career;
  NextWeek(game);
  EXPECT_EQ(t.screen.messages, (std::vector<Shown>{{"No boxer loaded!!", "Uh-oh!"}}));
  EXPECT_EQ(game.career, before);
  EXPECT_EQ(t.random.draws, 0);
  EXPECT_EQ(t.screen.freezes, 1);
  EXPECT_EQ(t.screen.unfreezes, 1);
}

TEST_F(WeekTest, AfterTheLastYearNeitherButtonDoesAnything) {
  game.career.Year = 10;
  const Career before = game.career;
  NextWeek(game);
  ArrangeBout(game, 1);
  EXPECT_TRUE(t.screen.messages.empty());
  EXPECT_EQ(game.career, before);
  EXPECT_EQ(t.random.draws, 0);
  EXPECT_FALSE(t.screen.frozen);
}

TEST_F(WeekTest, DrawOfFreeNeighboursBooksThemAndTheBoutIsFoughtInTheFifthAdvance) {
  PushDraw(t.random, 4, 5);
  PushRivalTraining(t.random);
  NextWeek(game);
  EXPECT_EQ(game.career.Week, 11);
  EXPECT_TRUE(Booked(game, 4, 5, 5));
  EXPECT_EQ(game.main.comUpcoming,
            (std::vector<std::string>{"Otto Varga vs Lenny Sorrel in 5 week(s)"}));

  for (int week = 1; week <= 4; ++week) QuietWeek();
  EXPECT_TRUE(Booked(game, 4, 5, 1));
  EXPECT_TRUE(ResultPrompts(t.screen).empty());

  PushDraw(t.random, 1, 9);
  PushSimulatedBout(t.random, game, 4, 5);
  PushRivalTraining(t.random);
  NextWeek(game);
  EXPECT_EQ(ResultPrompts(t.screen).size(), 1u);
  EXPECT_TRUE(NobodyBooked(game));
  EXPECT_TRUE(game.main.comUpcoming.empty());
  EXPECT_TRUE(t.random.values.empty());
  EXPECT_EQ(t.screen.freezes, 6);
  EXPECT_EQ(t.screen.unfreezes, 6);
}

TEST_F(WeekTest, DrawsThatComeToNothing) {
  // Ranks 4 and 6 are not neighbours.
  PushDraw(t.random, 4, 6);
  PushRivalTraining(t.random);
  NextWeek(game);
  EXPECT_TRUE(NobodyBooked(game));

  // MatchA redrawn from 0 onto MatchB.
  t.random.Push({Pick(0), Pick(4), Pick(4)});
  PushRivalTraining(t.random);
  NextWeek(game);
  EXPECT_TRUE(NobodyBooked(game));
  EXPECT_EQ(game.main.tabMain, 0);

  // A busy boxer is not drawn into a second bout.
  Book(game, 6, 8, 4);
  PushDraw(t.random, 5, 6);
  PushRivalTraining(t.random);
  NextWeek(game);
  EXPECT_EQ(game.career.Roster[5].Opponent, NoOpponent);
  EXPECT_TRUE(Booked(game, 6, 8, 3));
  EXPECT_TRUE(t.random.values.empty());
}

TEST_F(WeekTest, EqualDrawsAreDrawnAgainBeforeBooking) {
  t.random.Push({Pick(3), Pick(3), Pick(2), Pick(3)});
  PushRivalTraining(t.random);
  NextWeek(game);
  EXPECT_TRUE(Booked(game, 2, 3, 5));
}

TEST_F(WeekTest, RivalDrawnAgainstABookedPlayerMakesNoChallenge) {
  Book(game, 0, 9, 3);
  PushDraw(t.random, 1, 0);
  PushRivalTraining(t.random);
  NextWeek(game);
  EXPECT_FALSE(game.booking.ChallengePending);
  EXPECT_EQ(game.main.lblChallenge, "No one wants to fight you.");
  EXPECT_EQ(game.career.Roster[1].Opponent, NoOpponent);
  EXPECT_TRUE(Booked(game, 0, 9, 2));
}

TEST_F(WeekTest, DuePairEndsTheWeekFreeWithTheHigherIndexCountedOnce) {
  Book(game, 2, 7, 1);
  PushSimulatedBout(t.random, game, 2, 7);
  PushRivalTraining(t.random);
  AdvanceWeek(game);
  EXPECT_EQ(game.career.Roster[2].Opponent, NoOpponent);
  EXPECT_EQ(game.career.Roster[7].Opponent, NoOpponent);
  EXPECT_EQ(game.career.Roster[2].WeeksToBout, 1000);
  EXPECT_EQ(game.career.Roster[7].WeeksToBout, 999);
  EXPECT_EQ(ResultPrompts(t.screen),
            (std::vector<std::string>{"Tomas Brenn has beaten Deacon Flint"}));
}

TEST_F(WeekTest, PlayersBoutComesFirstThenRivalBoutsInRosterOrderThenTraining) {
  Book(game, 6, 7, 1);  // booked first, fought in roster order
  Book(game, 0, 1, 1);
  Book(game, 3, 4, 1);
  PushPlayerBout(t.random, game, 1);
  PushSimulatedBout(t.random, game, 3, 4);
  PushSimulatedBout(t.random, game, 6, 7);
  PushRivalTraining(t.random, PowerFocus);
  std::vector<int> strengthOfNineAtEachResult;
  t.screen.onMessage = [&](const Shown& shown) {
    if (shown.title == Results)
      strengthOfNineAtEachResult.push_back(game.career.Roster[9].Strength);
  };
  AdvanceWeek(game);
  EXPECT_EQ(t.screen.fightsShown, 1);
  EXPECT_EQ(ResultPrompts(t.screen),
            (std::vector<std::string>{"Sam has drawn with Ivo Marchetti",
                                      "Bram Kestovic has drawn with Otto Varga",
                                      "Rafe Calder has drawn with Tomas Brenn"}));
  // Every bout was over before anyone trained; a power week then adds 2.
  EXPECT_EQ(strengthOfNineAtEachResult, (std::vector<int>{90, 90, 90}));
  EXPECT_EQ(game.career.Roster[9].Strength, 92);
  EXPECT_TRUE(t.random.values.empty());
}

TEST_F(WeekTest, FreeBoxerCountedDownToZeroStaysFree) {
  // Only a hand-edited file gets here: a free boxer one week from zero.
  game.career.Roster[5].WeeksToBout = 1;
  PushRivalTraining(t.random);
  AdvanceWeek(game);
  EXPECT_EQ(game.career.Roster[5].Opponent, NoOpponent);
  EXPECT_EQ(game.career.Roster[5].WeeksToBout, 1000);
  EXPECT_TRUE(ResultPrompts(t.screen).empty());
  EXPECT_EQ(t.screen.fightsShown, 0);
}

TEST_F(WeekTest, NeverBookedBoxerStaysAtZero) {
  for (auto& boxer : game.career.Roster) boxer.WeeksToBout = 0;
  PushRivalTraining(t.random);
  AdvanceWeek(game);
  for (const auto& boxer : game.career.Roster) EXPECT_EQ(boxer.WeeksToBout, 0);
  EXPECT_TRUE(ResultPrompts(t.screen).empty());
}

}  // namespace
}  // namespace ringvale::test
