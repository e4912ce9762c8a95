#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestGame.h"
#include "WeekSetup.h"
#include "modSetFights.h"

namespace ringvale::test {
namespace {

std::vector<std::string> ResultPrompts(const RecordingScreen& screen) {
  std::vector<std::string> prompts;
  for (const auto& shown : screen.messages)
    if (shown.title == "Latest Boxing Results") prompts.push_back(shown.prompt);
  return prompts;
}

long BookedCount(const Game& game) {
  return std::ranges::count_if(
      game.career.Roster, [](const RosterEntry& boxer) { return boxer.Opponent != NoOpponent; });
}

class WeekTest : public ::testing::Test {
 protected:
  void SetUp() override { SetUpCareer(game); }
  TestGame t;
  Game& game = t.game;
};

TEST_F(WeekTest, WithoutACareerOrAfterTheLastYearNeitherButtonDoesAnything) {
  for (const bool loaded : {false, true}) {
    for (const bool arrange : {false, true}) {
      SetUpCareer(game);
      if (loaded)
        game.career.Year = 10;
      else
        game.career = Career{};
      const Career before = game.career;
      arrange ? ArrangeBout(game, 1) : NextWeek(game);
      EXPECT_EQ(game.career, before) << loaded << arrange;
    }
  }
  const Shown noBoxer{"No boxer loaded!!", "Uh-oh!"};
  const Shown retired{"Sam has retired. Start a new boxer or load another career.", "Ringvale"};
  EXPECT_EQ(t.screen.messages, (std::vector<Shown>{noBoxer, noBoxer, retired, retired}));
  EXPECT_EQ(t.random.draws, 0);
  EXPECT_EQ(t.screen.freezes, 2);
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
  for (int week = 1; week <= 4; ++week) QuietWeek(game, t.random);
  EXPECT_TRUE(Booked(game, 4, 5, 1));
  EXPECT_TRUE(ResultPrompts(t.screen).empty());
  PushDraw(t.random, 1, 9);
  PushSimulatedBout(t.random, game, 4, 5);
  PushRivalTraining(t.random);
  NextWeek(game);
  EXPECT_EQ(ResultPrompts(t.screen).size(), 1u);
  EXPECT_EQ(BookedCount(game), 0);
  EXPECT_TRUE(game.main.comUpcoming.empty());
  EXPECT_TRUE(t.random.values.empty());
}

TEST_F(WeekTest, DrawsBookOnlyFreeNeighboursAndNeverChallengeABookedPlayer) {
  struct Case {
    std::vector<double> draws;
    std::vector<int> before, after;  // a booked pair and its count, or none
  };
  const Case cases[] = {
      {{Pick(4), Pick(6)}, {}, {}},                           // ranks 4 and 6: not neighbours
      {{Pick(0), Pick(4), Pick(4)}, {}, {}},                  // MatchA redrawn from 0 onto MatchB
      {{Pick(3), Pick(3), Pick(2), Pick(3)}, {}, {2, 3, 5}},  // equal draws drawn again
      {{Pick(5), Pick(6)}, {6, 8, 4}, {6, 8, 3}},             // a busy boxer
      {{Pick(1), Pick(0)}, {0, 9, 3}, {0, 9, 2}},             // MatchB 0 while the player is booked
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    SetUpCareer(game);
    if (!c.before.empty()) Book(game, c.before[0], c.before[1], c.before[2]);
    for (const double draw : c.draws) t.random.Push({draw});
    PushRivalTraining(t.random);
    NextWeek(game);
    EXPECT_TRUE(t.random.values.empty());
    EXPECT_EQ(BookedCount(game), c.after.empty() ? 0 : 2);
    EXPECT_TRUE(c.after.empty() || Booked(game, c.after[0], c.after[1], c.after[2]));
    EXPECT_FALSE(game.booking.ChallengePending);
    EXPECT_EQ(game.main.tabMain, 0);
  }
}

TEST_F(WeekTest, DueBoutsComeFirstPlayersThenRosterOrderAndLeaveBothFree) {
  Book(game, 6, 7, 1);  // booked first, fought in roster order
  Book(game, 0, 1, 1);
  Book(game, 3, 4, 1);
  game.career.Roster[8].WeeksToBout = 1;  // free and due: only a hand-edited file gets here
  game.career.Roster[9].WeeksToBout = 0;  // a new rival who has never fought
  PushPlayerBout(t.random, game, 1);
  PushSimulatedBout(t.random, game, 3, 4);
  PushSimulatedBout(t.random, game, 6, 7);
  PushRivalTraining(t.random, PowerFocus);
  std::vector<int> strengthOfNineAtEachResult;
  t.screen.onMessage = [&](const Shown& shown) {
    if (shown.title == "Latest Boxing Results")
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
  // A due pair ends free, the lower index at 1000 and the higher counted down once more.
  std::vector<int> weeks;
  for (const auto& boxer : game.career.Roster) weeks.push_back(boxer.WeeksToBout);
  EXPECT_EQ(weeks, (std::vector<int>{1000, 999, 999, 1000, 999, 999, 1000, 999, 1000, 0}));
  EXPECT_EQ(BookedCount(game), 0);
}

}  // namespace
}  // namespace ringvale::test
