#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "TestGame.h"
#include "WeekSetup.h"
#include "modEvents.h"
#include "modFights.h"

namespace ringvale::test {
namespace {

const std::string Results = "Latest Boxing Results";

class FightTest : public ::testing::Test {
 protected:
  void SetUp() override { SetUpCareer(game); }
  void Fighters(int a, int b) {
    game.bout.FighterA = a;
    game.bout.FighterB = b;
  }
  void SetQualities(int index, int strength, int weight, int speed) {
    roster[index].Strength = strength;
    roster[index].Weight = weight;
    roster[index].Speed = speed;
  }
  // Loads the player's bout against `rival` with no bribe and a quiet introduction.
  void LoadPlayersBout(int rival) {
    Fighters(0, rival);
    t.random.Push({0.0, QuietComment});
    LoadFight(game);
    t.screen.fightOpen = true;  // as ShowFight would have it
  }
  TestGame t;
  Game& game = t.game;
  std::array<RosterEntry, RosterSize>& roster = game.career.Roster;
};

TEST_F(FightTest, ResultsMoveOnlyAnUpsetWinnerUp) {
  struct Case {
    int a, b, scoreA, scoreB;
    std::string result;
    std::vector<int> ranks;
  };
  const Case cases[] = {
      {6, 5, 20, 20, "Rafe Calder has drawn with Lenny Sorrel", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {4, 5, 22, 21, "Otto Varga has beaten Lenny Sorrel", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {4, 5, 21, 22, "Lenny Sorrel has beaten Otto Varga", {0, 1, 2, 3, 5, 4, 6, 7, 8, 9}},
      {1, 0, 25, 24, "Ivo Marchetti has beaten Sam", {1, 0, 2, 3, 4, 5, 6, 7, 8, 9}},
      // Only a hand-edited file books boxers further apart; the places between move down one.
      {2, 7, 20, 25, "Tomas Brenn has beaten Deacon Flint", {0, 1, 3, 4, 5, 6, 7, 2, 8, 9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    SetUpCareer(game);
    t.screen.messages.clear();
    game.main.lblChallenge = "You are fighting Gus Halloway";
    Fighters(c.a, c.b);
    game.bout.ScoreA = c.scoreA;
    game.bout.ScoreB = c.scoreB;
    game.bout.FightRound = 10;
    FightResult(game);
    EXPECT_EQ(t.screen.messages, (std::vector<Shown>{{c.result, Results}}));
    std::vector<int> ranks;
    for (const auto& boxer : roster) ranks.push_back(boxer.Rank);
    EXPECT_EQ(ranks, c.ranks);
    const int winner = c.scoreA > c.scoreB ? c.a : c.b, loser = c.a + c.b - winner;
    const bool drawn = c.scoreA == c.scoreB;
    EXPECT_EQ(roster[winner].Wins + roster[winner].Draws, 1);
    EXPECT_EQ(roster[loser].Losses + roster[loser].Draws, 1);
    EXPECT_EQ(roster[loser].Draws, drawn ? 1 : 0);
    EXPECT_EQ(game.bout.FightRound, 0);
    EXPECT_EQ(game.main.lblChallenge, c.a == 0 || c.b == 0 ? "You are not fighting anyone"
                                                           : "You are fighting Gus Halloway");
  }
}

TEST_F(FightTest, BarsShowScoresClampedToTheirRange) {
  SetQualities(0, 300, 300, 0);   // 60
  SetQualities(2, -400, 100, 0);  // -30
  LoadPlayersBout(2);
  t.random.Push({0.0, QuietComment});
  DoRound(game);
  EXPECT_EQ(game.bout.ScoreA, 60);
  EXPECT_EQ(game.bout.ScoreB, -30);
  EXPECT_EQ(game.fight.proStamina, 40);
  EXPECT_EQ(game.fight.proRivStamina, 0);
}

}  // namespace
}  // namespace ringvale::test
