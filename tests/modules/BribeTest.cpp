#include <gtest/gtest.h>

#include <string>

#include "TestGame.h"
#include "modEvents.h"
#include "modFights.h"

namespace ringvale::test {
namespace {

constexpr double OpeningMoney = 20000;

// The player, ranked `rank`, against the boxer one place above; no speed, so rounds draw no
// punches.
void SetUpBout(Game& game, int rank) {
  auto& roster = game.career.Roster;
  roster[0] = {"Nell Cardew", 90, 108, 0, 0, 0, 0, 0, rank, 0, 100};
  roster[4] = {"Rook Vallance", 90, 108, 0, 5, 1, 2, 0, rank == 0 ? 1 : rank - 1, 0, 100};
  game.career.Money = OpeningMoney;
  game.bout.FighterA = 0;
  game.bout.FighterB = 4;
}

double DrawFor(int d) {
  return (d - 0.1) / 5;
}

int Count(const RecordingScreen& screen, const std::string& title) {
  int count = 0;
  for (const auto& shown : screen.messages) count += shown.title == title;
  return count;
}

TEST(Bribes, LastPlaceIsNeverOffered) {
  TestGame t;
  SetUpBout(t.game, 9);
  t.random.Push({DrawFor(1)});  // the introduction's draw only: a bribe roll would take it
  LoadFight(t.game);
  EXPECT_EQ(Count(t.screen, "Take a bribe?"), 0);
  EXPECT_FALSE(t.game.fight.cmdDiveVisible);
  EXPECT_FALSE(t.game.bribe.BribeOffered);
  EXPECT_EQ(t.random.reseeds, 1);  // the introduction's
}

TEST(Bribes, OfferCountsInThousandsAndHoldsWholeDollars) {
  struct Case {
    int rank;
    std::string figure;
    double amount;
  };
  for (const Case& c : {Case{0, "600", 600000}, Case{1, "300", 300000}, Case{2, "100", 100000},
                        Case{3, "80", 80000}, Case{4, "50", 50000}, Case{5, "30", 30000},
                        Case{6, "30", 30000}, Case{7, "20", 20000}, Case{8, "15", 15000}}) {
    TestGame t;
    SetUpBout(t.game, c.rank);
    t.random.Push({0.5, DrawFor(1)});
    LoadFight(t.game);
    ASSERT_EQ(Count(t.screen, "Take a bribe?"), 1) << c.rank;
    EXPECT_EQ(t.screen.messages[0],
              (Shown{"Wanna make some cash? There's $" + c.figure +
                         " thousand for you if you go down in your next fight.",
                     "Take a bribe?"}));
    EXPECT_EQ(t.game.bribe.BribeAmount, c.amount) << c.rank;
    EXPECT_TRUE(t.game.bribe.BribeOffered);
    EXPECT_TRUE(t.game.fight.cmdDiveVisible);
    EXPECT_EQ(t.game.career.Money, OpeningMoney) << "an offer pays nothing by itself";
  }
}

TEST(Bribes, OnlyValuesStrictlyBetweenAQuarterAndThreeQuartersBringAnOffer) {
  for (double value : {0.0, 0.25, 0.75, 0.99, 0.26, 0.74}) {
    TestGame t;
    SetUpBout(t.game, 5);
    t.random.Push({value, DrawFor(1)});
    LoadFight(t.game);
    const bool offered = value > 0.25 && value < 0.75;
    EXPECT_EQ(Count(t.screen, "Take a bribe?"), offered ? 1 : 0) << value;
    EXPECT_EQ(t.game.fight.cmdDiveVisible, offered) << value;
    EXPECT_EQ(t.random.reseeds, 2) << "the bribe roll and the introduction each reseed";
  }
}

// Offered at rank `rank`, then Dive is pressed before the first round with `bustValue` drawn.
void DiveAfterOffer(TestGame& t, int rank, double bustValue) {
  SetUpBout(t.game, rank);
  t.random.Push({0.5, DrawFor(1), bustValue});
  t.screen.playFight = [](Game& game) { Dive(game); };
  HoldBout(t.game, 0, 4);
  EXPECT_TRUE(t.random.values.empty());
  EXPECT_FALSE(t.game.bribe.BribeOffered);
  EXPECT_EQ(t.game.career.Player().Losses, 1) << "the dive loses the bout";
  EXPECT_EQ(t.screen.fightsClosed, 1);
}

TEST(Bribes, CaughtDiverIsFinedAndKeepsTheLoss) {
  for (double caught : {0.51, 0.6, 0.69}) {
    TestGame t;
    DiveAfterOffer(t, 8, caught);
    EXPECT_EQ(t.game.career.Money, OpeningMoney - 50000) << caught;
    EXPECT_LT(t.game.career.Money, 0) << "the fine may leave the player in debt";
    EXPECT_EQ(Count(t.screen, "Ill gotten gains"), 0);
    ASSERT_EQ(Count(t.screen, "BUSTED!!!"), 1);
    EXPECT_EQ(t.screen.messages.back(),
              (Shown{"The boxing corruption allegations have found you guilty of losing fights "
                     "for money. You have been fined $50,000, don't do it again.",
                     "BUSTED!!!"}));
  }
}

TEST(Bribes, UncaughtDiverIsPaidTheOfferOnce) {
  for (double free : {0.0, 0.5, 0.7, 0.99}) {
    TestGame t;
    DiveAfterOffer(t, 3, free);
    EXPECT_EQ(t.game.career.Money, OpeningMoney + 80000) << free;
    EXPECT_EQ(Count(t.screen, "BUSTED!!!"), 0) << free;
    ASSERT_EQ(Count(t.screen, "Ill gotten gains"), 1);
    EXPECT_EQ(t.screen.messages.back(),
              (Shown{"Well done mate, I'll be back for your next fight", "Ill gotten gains"}));
  }
}

TEST(Bribes, OfferIsFixedAtTheRankHeldWhenTheWindowLoads) {
  // A champion's dive costs him the title, but the fixer pays what he offered the champion.
  TestGame t;
  DiveAfterOffer(t, 0, 0.1);
  EXPECT_EQ(t.game.career.Player().Rank, 1);
  EXPECT_EQ(t.game.career.Money, OpeningMoney + 600000);
}

TEST(Bribes, OfferNotTakenPaysNothing) {
  // Offered, then fought to a draw over ten rounds with plain commentary.
  TestGame t;
  SetUpBout(t.game, 6);
  t.random.Push({0.5, DrawFor(1)});
  for (int round = 1; round <= 9; ++round) t.random.Push({0.5, DrawFor(4)});
  t.random.Push({0.5});
  HoldBout(t.game, 0, 4);
  EXPECT_TRUE(t.random.values.empty());
  EXPECT_EQ(t.game.career.Player().Draws, 1);
  EXPECT_EQ(t.game.career.Money, OpeningMoney);
  EXPECT_EQ(Count(t.screen, "Ill gotten gains"), 0);
  EXPECT_EQ(Count(t.screen, "BUSTED!!!"), 0);
}

}  // namespace
}  // namespace ringvale::test
