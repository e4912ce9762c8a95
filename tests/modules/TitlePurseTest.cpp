#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestGame.h"
#include "modEvents.h"
#include "modFights.h"

namespace ringvale::test {
namespace {

constexpr double OpeningMoney = 20000;
const std::string Player = "Nell Cardew";

double DrawFor(int d) {
  return (d - 0.1) / 5;
}

// The player, ranked `rank`, against the boxer ranked `rivalRank`. The stronger man scores
// more every round; no speed means no punch draws.
void SetUpBout(Game& game, int rank, int rivalRank, bool playerStronger) {
  auto& roster = game.career.Roster;
  roster[0] = {Player, playerStronger ? 120 : 80, 108, 0, 0, 0, 0, 0, rank, 0, 100};
  roster[2] = {"Rook Vallance", playerStronger ? 80 : 120, 108, 0, 5, 1, 2, 0, rivalRank, 0, 100};
  game.career.Money = OpeningMoney;
  game.career.TitleDefences = 2;
}

// Ten rounds with commentary that knocks no one down; no bribe offered.
void GoTheDistance(TestGame& t) {
  t.random.Push({0.1, DrawFor(1)});
  for (int round = 1; round <= 9; ++round) t.random.Push({0.5, DrawFor(4)});
  t.random.Push({0.5});
  HoldBout(t.game, 0, 2);
  EXPECT_TRUE(t.random.values.empty());
  EXPECT_EQ(t.screen.fightsClosed, 1);
}

std::vector<Shown> TitleMessages(const RecordingScreen& screen) {
  std::vector<Shown> shown;
  for (const auto& message : screen.messages)
    if (message.title == "The Greatest of All Time!" || message.title == "!!!CHAMPION!!!")
      shown.push_back(message);
  return shown;
}

TEST(TitlePurse, ChampionsPointsWinPaysAndCountsADefence) {
  TestGame t;
  SetUpBout(t.game, 0, 1, true);
  GoTheDistance(t);
  EXPECT_EQ(t.game.career.Money, OpeningMoney + 500000);
  EXPECT_EQ(t.game.career.TitleDefences, 3);
  EXPECT_EQ(TitleMessages(t.screen),
            (std::vector<Shown>{{Player + " retains the World HeavyWeight Championship!!",
                                 "The Greatest of All Time!"}}));
  EXPECT_EQ(t.game.career.Player().Rank, 0);
  EXPECT_EQ(t.screen.messages.back().title, "Latest Boxing Results") << "purse before result";
}

TEST(TitlePurse, KnockOutWinPaysNothing) {
  TestGame t;
  SetUpBout(t.game, 0, 1, true);
  t.random.Push({0.1, DrawFor(1)});
  for (int d : {1, 2, 1, 1, 2, 1, 5}) t.random.Push({0.5, DrawFor(d)});
  HoldBout(t.game, 0, 2);
  EXPECT_EQ(t.game.career.Player().KOs, 1);
  EXPECT_EQ(t.game.career.Money, OpeningMoney);
  EXPECT_EQ(t.game.career.TitleDefences, 2);
  EXPECT_TRUE(TitleMessages(t.screen).empty());
}

TEST(TitlePurse, BeatingTheChampionOnPointsCrownsThePlayer) {
  TestGame t;
  SetUpBout(t.game, 1, 0, true);
  GoTheDistance(t);
  EXPECT_EQ(t.game.career.Money, OpeningMoney + 200000);
  EXPECT_EQ(t.game.career.TitleDefences, 2);
  EXPECT_EQ(TitleMessages(t.screen),
            (std::vector<Shown>{
                {Player + " has won the World HeavyWeight Championship!!", "!!!CHAMPION!!!"}}));
  EXPECT_EQ(t.game.career.Player().Rank, 0);
  EXPECT_EQ(t.game.career.Roster[2].Rank, 1);
}

TEST(TitlePurse, BeatingTheNumberTwoPaysButWinsNoTitle) {
  TestGame t;
  SetUpBout(t.game, 1, 2, true);
  GoTheDistance(t);
  EXPECT_EQ(t.game.career.Money, OpeningMoney + 200000);
  EXPECT_TRUE(TitleMessages(t.screen).empty());
  EXPECT_EQ(t.game.career.Player().Rank, 1);
}

TEST(TitlePurse, LowerRanksArePaidSilently) {
  const double purses[] = {500000, 200000, 80000, 50000, 35000, 22000, 22000, 15000, 10000, 5000};
  for (int rank = 2; rank <= 9; ++rank) {
    TestGame t;
    SetUpBout(t.game, rank, rank - 1, true);
    t.game.bout.FighterA = 0;
    t.game.bout.FighterB = 2;
    TitlePurse(t.game);
    EXPECT_EQ(t.game.career.Money, OpeningMoney + purses[rank]) << rank;
    EXPECT_TRUE(t.screen.messages.empty()) << rank;
    EXPECT_EQ(t.random.draws + t.random.reseeds, 0);
  }
}

TEST(TitlePurse, LossAndDrawPayNothing) {
  for (bool drawn : {false, true}) {
    TestGame t;
    SetUpBout(t.game, 0, 1, false);
    if (drawn) t.game.career.Roster[0].Strength = t.game.career.Roster[2].Strength;
    GoTheDistance(t);
    EXPECT_EQ(t.game.career.Money, OpeningMoney) << drawn;
    EXPECT_EQ(t.game.career.TitleDefences, 2) << drawn;
    EXPECT_TRUE(TitleMessages(t.screen).empty()) << drawn;
    EXPECT_EQ(drawn ? t.game.career.Player().Draws : t.game.career.Player().Losses, 1);
  }
}

}  // namespace
}  // namespace ringvale::test
