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

// The player, ranked `rank`, against the boxer ranked `rivalRank`; the stronger man scores more
// every round, and no speed means no punch draws.
void SetUpBout(Game& game, int rank, int rivalRank, int strength, int rivalStrength) {
  auto& roster = game.career.Roster;
  roster[0] = {Player, strength, 108, 0, 0, 0, 0, 0, rank, 0, 100};
  roster[2] = {"Rook Vallance", rivalStrength, 108, 0, 5, 1, 2, 0, rivalRank, 0, 100};
  game.career.Money = OpeningMoney;
  game.career.TitleDefences = 2;
  game.bout.FighterA = 0;
  game.bout.FighterB = 2;
}

std::vector<Shown> TitleMessages(const RecordingScreen& screen) {
  std::vector<Shown> shown;
  for (const auto& message : screen.messages)
    if (message.title == "The Greatest of All Time!" || message.title == "!!!CHAMPION!!!")
      shown.push_back(message);
  return shown;
}

// A points win pays the purse and shows any title before the result; a knock-out win, a loss and
// a draw pay nothing.
TEST(TitlePurse, PointsWinPaysThePurseAndShowsTheTitleBeforeTheResult) {
  const Shown retains{Player + " retains the World HeavyWeight Championship!!",
                      "The Greatest of All Time!"};
  const Shown crowned{Player + " has won the World HeavyWeight Championship!!", "!!!CHAMPION!!!"};
  const std::vector<int> quiet(9, 4);  // text 4 of every round knocks no one down
  struct Case {
    std::string what;
    int rank, rivalRank, strength, rivalStrength;
    double paid;
    int defences;
    std::vector<Shown> title;
    int rankAfter, rivalRankAfter;
    std::vector<int> texts;
  };
  for (const Case& c :
       {Case{"champion wins", 0, 1, 120, 80, 500000, 3, {retains}, 0, 1, quiet},
        Case{"takes the title", 1, 0, 120, 80, 200000, 2, {crowned}, 0, 1, quiet},
        Case{"beats number two", 1, 2, 120, 80, 200000, 2, {}, 1, 2, quiet},
        Case{"champion loses", 0, 1, 80, 120, 0, 2, {}, 1, 0, quiet},
        Case{"champion draws", 0, 1, 120, 120, 0, 2, {}, 0, 1, quiet},
        Case{"knock-out in round 7", 0, 1, 120, 80, 0, 2, {}, 0, 1, {1, 2, 1, 1, 2, 1, 5}}}) {
    SCOPED_TRACE(c.what);
    TestGame t;
    SetUpBout(t.game, c.rank, c.rivalRank, c.strength, c.rivalStrength);
    t.random.Push({0.1, 0.18});  // no bribe; the introduction
    for (int d : c.texts) t.random.Push({0.5, (d - 0.1) / 5});
    if (c.texts.size() == 9) t.random.Push({0.5});  // round 10, no commentary
    HoldBout(t.game, 0, 2);
    EXPECT_TRUE(t.random.values.empty());
    EXPECT_EQ(t.screen.fightsClosed, 1);
    EXPECT_EQ(t.game.career.Money, OpeningMoney + c.paid);
    EXPECT_EQ(t.game.career.TitleDefences, c.defences);
    EXPECT_EQ(TitleMessages(t.screen), c.title);
    EXPECT_EQ(t.game.career.Player().Rank, c.rankAfter);
    EXPECT_EQ(t.game.career.Roster[2].Rank, c.rivalRankAfter);
    EXPECT_EQ(t.screen.messages.back().title, "Latest Boxing Results");
  }
}

}  // namespace
}  // namespace ringvale::test
