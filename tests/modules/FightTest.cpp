#include <gtest/gtest.h>

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
    auto& boxer = game.career.Roster[index];
    boxer.Strength = strength;
    boxer.Weight = weight;
    boxer.Speed = speed;
  }
  void Decide(int a, int b, int scoreA, int scoreB) {
    Fighters(a, b);
    game.bout.ScoreA = scoreA;
    game.bout.ScoreB = scoreB;
    FightResult(game);
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
  SetQualities(2, 80, 90, 65);
  SetQualities(5, 90, 100, 4);
  Fighters(2, 5);
  ScoreRound(game);
  EXPECT_EQ(game.bout.ScoreA, 24);   // 23.5
  EXPECT_EQ(game.bout.PunchesA, 6);  // 6.5
  EXPECT_EQ(game.bout.ScoreB, 19);   // 19.4
  EXPECT_EQ(game.bout.PunchesB, 0);  // 0.4
  SetQualities(2, 80, 90, 75);
  SetQualities(5, 80, 90, 85);
  ScoreRound(game);
  EXPECT_EQ(game.bout.PunchesA, 8);
  EXPECT_EQ(game.bout.PunchesB, 8);
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
  EXPECT_EQ(game.bout.FightRound, 0);
  EXPECT_EQ(t.screen.fightsShown, 0);
  EXPECT_EQ(game.main.lblChallenge, "No one wants to fight you.");
}

TEST_F(FightTest, ResultsAndRankings) {
  // A draw moves nobody, whatever the ranks.
  Decide(6, 5, 20, 20);
  EXPECT_EQ(roster[6].Rank, 6);
  EXPECT_EQ(roster[5].Rank, 5);
  // The better-placed winner stays where he is.
  Decide(4, 5, 22, 21);
  EXPECT_EQ(roster[4].Rank, 4);
  EXPECT_EQ(roster[5].Rank, 5);
  // An upset swaps adjacent places.
  Decide(4, 5, 21, 22);
  EXPECT_EQ(roster[5].Rank, 4);
  EXPECT_EQ(roster[4].Rank, 5);
  // A champion beaten by the first contender drops to 1.
  Decide(1, 0, 25, 24);
  EXPECT_EQ(roster[1].Rank, 0);
  EXPECT_EQ(roster[0].Rank, 1);
  EXPECT_EQ(t.screen.messages,
            (std::vector<Shown>{{"Rafe Calder has drawn with Lenny Sorrel", Results},
                                {"Otto Varga has beaten Lenny Sorrel", Results},
                                {"Lenny Sorrel has beaten Otto Varga", Results},
                                {"Ivo Marchetti has beaten Sam", Results}}));
  EXPECT_EQ(roster[5].Wins, 1);
  EXPECT_EQ(roster[5].Losses, 1);
  EXPECT_EQ(roster[5].Draws, 1);
  EXPECT_EQ(roster[4].Wins, 1);
  EXPECT_EQ(roster[4].Losses, 1);
  EXPECT_EQ(roster[0].Losses, 1);
  EXPECT_EQ(game.main.lblChallenge, "You are not fighting anyone");
}

TEST_F(FightTest, UpsetAcrossSeveralPlacesKeepsTheRankingWhole) {
  // Only a hand-edited file books boxers further apart; the places between move down one.
  Decide(2, 7, 20, 25);
  std::vector<int> ranks;
  for (const auto& boxer : roster) ranks.push_back(boxer.Rank);
  EXPECT_EQ(ranks, (std::vector<int>{0, 1, 3, 4, 5, 6, 7, 2, 8, 9}));
}

TEST_F(FightTest, RivalBoutLeavesThePlayersChallengeLabelAlone) {
  game.main.lblChallenge = "You are fighting Otto Varga";
  Decide(2, 3, 20, 21);
  EXPECT_EQ(game.main.lblChallenge, "You are fighting Otto Varga");
}

TEST_F(FightTest, LoadPutsTheNamesUpAndGetsReadyToRumble) {
  SwapRanks(game, 0, 9);  // the last place is never offered a bribe
  game.fight.fraFight = "Retired";
  game.fight.cmdNextRound = "Judges Decision";
  Fighters(0, 8);
  t.random.Push({QuietComment});
  LoadFight(game);
  EXPECT_EQ(game.fight.lblPlayer, "Sam");
  EXPECT_EQ(game.fight.lblRival, "Gus Halloway");
  EXPECT_EQ(game.fight.fraFight, "Welcome to Fight Night!");
  EXPECT_EQ(game.fight.cmdNextRound, "Next Round");
  EXPECT_FALSE(game.fight.cmdDiveVisible);
  EXPECT_FALSE(game.fight.txtComments.empty());
  EXPECT_EQ(t.screen.messages, (std::vector<Shown>{{"Let's get ready to rumble!!!", "Ringvale"}}));
  EXPECT_EQ(t.random.reseeds, 1);  // the introduction's only
  EXPECT_TRUE(game.bout.Fighting);
}

TEST_F(FightTest, BribeRollOfOneOffersTheDive) {
  SwapRanks(game, 0, 8);
  Fighters(0, 7);
  t.random.Push({0.5, QuietComment});  // 2 x 0.5 = 1
  LoadFight(game);
  EXPECT_TRUE(game.fight.cmdDiveVisible);
  ASSERT_EQ(t.screen.messages.size(), 2u);
  EXPECT_EQ(t.screen.messages[0].title, "Take a bribe?");
  EXPECT_EQ(t.screen.messages[1].prompt, "Let's get ready to rumble!!!");
}

TEST_F(FightTest, RoundsShowTheFrameCaptionAndTheButton) {
  LoadPlayersBout(1);
  for (int round = 1; round <= 9; ++round) {
    t.random.Push({0.0});
    PushMisses(t.random, 20);
    t.random.Push({QuietComment});
    DoRound(game);
    EXPECT_EQ(game.fight.fraFight, "Round " + std::to_string(round));
    EXPECT_EQ(game.fight.cmdNextRound, round == 9 ? "Judges Decision" : "Next Round");
    EXPECT_EQ(game.fight.proStamina, 29);
    EXPECT_EQ(game.fight.proRivStamina, 29);
    EXPECT_TRUE(t.screen.fightOpen);
  }
  EXPECT_EQ(game.bout.FightRound, 9);
  t.random.Push({0.0});
  PushMisses(t.random, 20);
  DoRound(game);
  EXPECT_EQ(game.fight.fraFight, "Round 10");
  EXPECT_FALSE(t.screen.fightOpen);
  EXPECT_EQ(game.bout.FightRound, 0);
  EXPECT_EQ(t.screen.messages.back(), (Shown{"Sam has drawn with Ivo Marchetti", Results}));
  EXPECT_EQ(game.career.Money, 20000);  // a draw pays no purse
  EXPECT_TRUE(t.random.values.empty());
  // A stray press after the bout starts nothing.
  DoRound(game);
  EXPECT_EQ(game.bout.FightRound, 0);
}

TEST_F(FightTest, PointsWinPaysThePurseBeforeTheResult) {
  SwapRanks(game, 0, 5);
  SetQualities(0, 100, 120, 100);  // 32 against the rank-4 rival's 29
  LoadPlayersBout(4);
  for (int round = 1; round <= 10; ++round) {
    t.random.Push({0.0});
    PushMisses(t.random, 20);
    if (round < 10) t.random.Push({QuietComment});
    DoRound(game);
  }
  EXPECT_EQ(game.career.Money, 20000 + 22000);
  EXPECT_EQ(t.screen.messages.back(), (Shown{"Sam has beaten Otto Varga", Results}));
  EXPECT_EQ(roster[0].Rank, 4);
  EXPECT_EQ(roster[0].KOs, 0);
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

TEST_F(FightTest, RetiringBeforeTheFirstRoundIsALoss) {
  t.random.Push({0.0, QuietComment});
  t.screen.playFight = [](Game& g) { RetireFromBout(g); };
  HoldBout(game, 0, 1);
  EXPECT_EQ(game.fight.fraFight, "Retired");
  EXPECT_EQ(game.bout.FightRound, 0);
  EXPECT_EQ(roster[0].Losses, 1);
  EXPECT_EQ(roster[1].Wins, 1);
  EXPECT_EQ(roster[1].KOs, 0);
  EXPECT_EQ(t.screen.fightsClosed, 1);
  EXPECT_EQ(t.screen.messages, (std::vector<Shown>{{"Let's get ready to rumble!!!", "Ringvale"},
                                                   {"Sam has retired.", "Ringvale"},
                                                   {"Ivo Marchetti has beaten Sam", Results}}));
  EXPECT_EQ(roster[1].Rank, 0);
  EXPECT_EQ(game.main.lblChallenge, "You are not fighting anyone");
  EXPECT_FALSE(game.bout.Fighting);
}

TEST_F(FightTest, KnockOutGoesToWhoeverHasThreeKnockdownsAWhenBoth) {
  LoadPlayersBout(3);
  game.bout.KnockdownsB = 3;
  KnockOut(game);
  EXPECT_EQ(t.screen.messages.end()[-2],
            (Shown{"Bram Kestovic has been knocked out!!!", "KO KO KO"}));
  EXPECT_EQ(t.screen.messages.back(), (Shown{"Sam has beaten Bram Kestovic", Results}));
  EXPECT_EQ(roster[0].KOs, 1);
  EXPECT_EQ(roster[0].Wins, 1);

  LoadPlayersBout(4);
  game.bout.KnockdownsA = 3;
  game.bout.KnockdownsB = 3;
  KnockOut(game);
  EXPECT_EQ(t.screen.messages.end()[-2], (Shown{"Sam has been knocked out!!!", "KO KO KO"}));
  EXPECT_EQ(roster[4].KOs, 1);
  EXPECT_EQ(roster[0].Losses, 1);
}

TEST_F(FightTest, ThirdKnockdownFromTheCommentaryEndsTheBout) {
  // Texts that floor the player: round 2 text 5, round 5 text 1, round 6 text 3.
  const std::vector<double> comments{QuietComment, 0.95, QuietComment, QuietComment,
                                     0.2,          0.6,  QuietComment};
  t.screen.playFight = [&](Game& g) {
    for (int round = 1; round <= 6; ++round) {
      t.random.Push({0.0});
      PushMisses(t.random, 20);
      t.random.Push({comments[round - 1]});
      DoRound(g);
    }
  };
  t.random.Push({0.0, QuietComment});
  HoldBout(game, 0, 2);
  EXPECT_EQ(game.bout.KnockdownsA, 3);
  ASSERT_GE(t.screen.messages.size(), 2u);
  EXPECT_EQ(t.screen.messages.end()[-2], (Shown{"Sam has been knocked out!!!", "KO KO KO"}));
  EXPECT_EQ(roster[2].KOs, 1);
  EXPECT_EQ(roster[2].Wins, 1);
  EXPECT_EQ(game.fight.fraFight, "Round 6");
  EXPECT_FALSE(t.screen.fightOpen);
  EXPECT_TRUE(t.random.values.empty());
}

TEST_F(FightTest, DiveLosesWithoutAKnockOut) {
  SwapRanks(game, 0, 8);
  Fighters(0, 7);
  t.random.Push({0.5, QuietComment});
  LoadFight(game);
  t.screen.fightOpen = true;
  t.random.Push({0.0});  // not caught
  Dive(game);
  EXPECT_EQ(game.fight.fraFight, "Took a dive");
  EXPECT_EQ(roster[0].Losses, 1);
  EXPECT_EQ(roster[7].Wins, 1);
  EXPECT_EQ(roster[7].KOs, 0);
  EXPECT_FALSE(t.screen.fightOpen);
  const std::vector<std::string> prompts = t.screen.Prompts();
  EXPECT_NE(std::find(prompts.begin(), prompts.end(), "Sam has just fallen down!"), prompts.end());
}

}  // namespace
}  // namespace ringvale::test
