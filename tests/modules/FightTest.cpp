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

TEST_F(FightTest, ScoreAndPunchesComeFromTheQualitiesRoundedHalfEven) {
  struct Case {
    int strength, weight, speed, score, punches;
  };
  const Case cases[] = {
      {80, 90, 65, 24, 6},  // 23.5, 6.5
      {90, 100, 4, 19, 0},  // 19.4, 0.4
      {80, 90, 75, 24, 8},  // 24.5, 7.5
      {80, 90, 85, 26, 8},  // 25.5, 8.5
  };
  Fighters(2, 5);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& a = cases[i];
    const Case& b = cases[(i + 1) % std::size(cases)];
    SCOPED_TRACE(i);
    SetQualities(2, a.strength, a.weight, a.speed);
    SetQualities(5, b.strength, b.weight, b.speed);
    ScoreRound(game);
    EXPECT_EQ(game.bout.ScoreA, a.score);
    EXPECT_EQ(game.bout.PunchesA, a.punches);
    EXPECT_EQ(game.bout.ScoreB, b.score);
    EXPECT_EQ(game.bout.PunchesB, b.punches);
  }
}

TEST_F(FightTest, PunchLandsOnlyAboveHalf) {
  Fighters(2, 5);
  game.bout.PunchesA = 3;
  t.random.Push({0.5, 0.5001, 0.2});
  PunchesByA(game);
  EXPECT_EQ(roster[5].Strength, 89);
  EXPECT_EQ(roster[5].Speed, 99);
  EXPECT_EQ(game.bout.PunchesA, 0);
  EXPECT_EQ(roster[2].Speed, 100);

  game.bout.PunchesB = 2;
  t.random.Push({0.9, 0.9});
  PunchesByB(game);
  EXPECT_EQ(roster[2].Strength, 88);
  EXPECT_EQ(roster[2].Speed, 98);
  EXPECT_EQ(t.random.reseeds, 0);
}

TEST_F(FightTest, SimulatedBoutIsNineExchangesBPunchingFirstDecidedAtTheStartOfTheNinth) {
  // A throws 2 a round and misses; B throws 1 and lands, so A loses 2 points of total a round.
  SetQualities(3, 100, 97, 25);   // 222 -> 206 at the start of round 9 (21) -> 204 after (20)
  SetQualities(4, 100, 100, 10);  // 210 -> 21 throughout
  game.main.lblChallenge = "You are fighting Gus Halloway";
  t.random.Push({0.0});
  for (int round = 0; round < 9; ++round) t.random.Push({0.9, 0.0, 0.0});
  HoldBout(game, 3, 4);
  EXPECT_TRUE(t.random.values.empty());
  EXPECT_EQ(t.random.reseeds, 1);
  EXPECT_EQ(roster[3].Strength, 91);
  EXPECT_EQ(roster[3].Speed, 16);
  EXPECT_EQ(roster[4].Strength, 100);
  EXPECT_EQ(t.screen.messages,
            (std::vector<Shown>{{"Bram Kestovic has drawn with Otto Varga", Results}}));
  EXPECT_EQ(roster[3].Draws, 1);
  EXPECT_EQ(roster[4].Draws, 1);
  EXPECT_EQ(t.screen.fightsShown, 0);
  // A rival bout leaves the player's challenge label alone.
  EXPECT_EQ(game.main.lblChallenge, "You are fighting Gus Halloway");
}

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

TEST_F(FightTest, LoadGetsReadyToRumbleAndRoundsShowTheFrameCaptionAndTheButton) {
  game.fight.fraFight = "Retired";  // left by an earlier bout
  game.fight.cmdNextRound = "Judges Decision";
  LoadPlayersBout(1);
  EXPECT_EQ(game.fight.lblPlayer, "Sam");
  EXPECT_EQ(game.fight.lblRival, "Ivo Marchetti");
  EXPECT_EQ(game.fight.fraFight, "Welcome to Fight Night!");
  EXPECT_EQ(game.fight.cmdNextRound, "Next Round");
  EXPECT_FALSE(game.fight.txtComments.empty());
  EXPECT_EQ(t.screen.messages, (std::vector<Shown>{{"Let's get ready to rumble!!!", "Ringvale"}}));
  EXPECT_EQ(t.random.reseeds, 2);  // the bribe roll's and the introduction's
  for (int round = 1; round <= 10; ++round) {
    EXPECT_TRUE(game.bout.Fighting);
    EXPECT_TRUE(t.screen.fightOpen);
    t.random.Push({0.0});
    PushMisses(t.random, 20);
    if (round < 10) t.random.Push({QuietComment});
    DoRound(game);
    EXPECT_EQ(game.fight.fraFight, "Round " + std::to_string(round));
    if (round == 10) break;
    EXPECT_EQ(game.fight.cmdNextRound, round == 9 ? "Judges Decision" : "Next Round");
    EXPECT_EQ(game.fight.proStamina, 29);
    EXPECT_EQ(game.fight.proRivStamina, 29);
  }
  EXPECT_FALSE(t.screen.fightOpen);
  EXPECT_EQ(t.screen.messages.back(), (Shown{"Sam has drawn with Ivo Marchetti", Results}));
  EXPECT_TRUE(t.random.values.empty());
  DoRound(game);  // a stray press after the bout starts nothing
  EXPECT_EQ(game.bout.FightRound, 0);
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

TEST_F(FightTest, PlayerOnTheRightOfTheRosterStillFightsAsA) {
  Book(game, 0, 3, 0);
  game.bout.FighterA = 5;
  t.random.Push({0.0, QuietComment});
  t.screen.playFight = [](Game& g) { RetireFromBout(g); };
  HoldBout(game, 3, 0);
  EXPECT_EQ(game.fight.lblPlayer, "Sam");
  EXPECT_EQ(game.fight.lblRival, "Bram Kestovic");
  EXPECT_EQ(roster[0].Losses, 1);
  EXPECT_EQ(roster[3].Wins, 1);
}

TEST_F(FightTest, RetiringOrDivingBeforeTheFirstRoundLosesWithoutAKnockOut) {
  struct Case {
    int playerRank, rival;
    std::vector<double> draws;  // bribe roll, introduction, then whether the diver is caught
    void (*press)(Game&);
    std::string caption, announcement;
  };
  const Case cases[] = {
      {0, 1, {0.0, QuietComment}, RetireFromBout, "Retired", "Sam has retired."},
      {8, 7, {0.5, QuietComment, 0.0}, Dive, "Took a dive", "Sam has just fallen down!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    SetUpCareer(game);
    t.screen.messages.clear();
    SwapRanks(game, 0, c.playerRank);
    for (const double draw : c.draws) t.random.Push({draw});
    t.screen.playFight = c.press;
    HoldBout(game, 0, c.rival);
    EXPECT_TRUE(t.random.values.empty());
    EXPECT_EQ(game.fight.fraFight, c.caption);
    EXPECT_FALSE(game.bout.Fighting);
    EXPECT_EQ(roster[0].Losses, 1);
    EXPECT_EQ(roster[c.rival].Wins, 1);
    EXPECT_EQ(roster[c.rival].KOs, 0);
    const auto prompts = t.screen.Prompts();
    const auto announced = std::find(prompts.begin(), prompts.end(), c.announcement);
    const auto result =
        std::find(prompts.begin(), prompts.end(), Names[c.rival] + " has beaten Sam");
    EXPECT_LT(announced, result);
    EXPECT_NE(result, prompts.end());
  }
  EXPECT_EQ(t.screen.fightsClosed, 2);
}

}  // namespace
}  // namespace ringvale::test
