#include <gtest/gtest.h>

#include <string>

#include "TestGame.h"
#include "modEvents.h"
#include "modFights.h"

namespace ringvale::test {
namespace {

constexpr double OpeningMoney = 20000;
constexpr double QuietComment = 0.79;  // text 4 of every round knocks no one down

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

int Count(const RecordingScreen& screen, const std::string& title) {
  int count = 0;
  for (const auto& shown : screen.messages) count += shown.title == title;
  return count;
}

// Only values strictly between a quarter and three quarters bring an offer, never to last place.
TEST(Bribes, OfferDependsOnTheRollAndCountsInThousandsOfTheRank) {
  struct Case {
    int rank;
    double roll;            // -1: no roll may be drawn
    std::string thousands;  // "": no offer
  };
  for (const Case& c :
       {Case{0, 0.5, "600"}, Case{1, 0.5, "300"}, Case{2, 0.5, "100"}, Case{3, 0.5, "80"},
        Case{4, 0.5, "50"}, Case{5, 0.5, "30"}, Case{6, 0.5, "30"}, Case{7, 0.5, "20"},
        Case{8, 0.5, "15"}, Case{5, 0.26, "30"}, Case{5, 0.74, "30"}, Case{5, 0.0, ""},
        Case{5, 0.25, ""}, Case{5, 0.75, ""}, Case{5, 0.99, ""}, Case{9, -1, ""}}) {
    SCOPED_TRACE("rank " + std::to_string(c.rank) + " roll " + std::to_string(c.roll));
    TestGame t;
    SetUpBout(t.game, c.rank);
    if (c.roll >= 0) t.random.Push({c.roll});
    t.random.Push({QuietComment});  // the introduction; a stray roll would leave the script short
    LoadFight(t.game);
    const bool offered = !c.thousands.empty();
    ASSERT_EQ(Count(t.screen, "Take a bribe?"), offered ? 1 : 0);
    if (offered) {
      EXPECT_EQ(t.screen.messages[0].prompt, "Wanna make some cash? There's $" + c.thousands +
                                                 " thousand for you if you go down in your next "
                                                 "fight.");
      EXPECT_EQ(t.game.bribe.BribeAmount, std::stoi(c.thousands) * 1000.0);
    }
    EXPECT_EQ(t.game.bribe.BribeOffered, offered);
    EXPECT_EQ(t.game.fight.cmdDiveVisible, offered);
    EXPECT_EQ(t.game.career.Money, OpeningMoney) << "an offer pays nothing by itself";
    EXPECT_EQ(t.random.reseeds, c.roll >= 0 ? 2 : 1) << "the roll and the introduction reseed";
  }
}

// Offered, then Dive pressed before the first round with `caught` drawn: between 0.5 and 0.7
// exclusive the diver is caught. The offer stands at the rank held when the window loaded,
// though a champion's dive costs him the title.
TEST(Bribes, DiverKeepsTheLossAndIsPaidOnceOrFinedWhenCaught) {
  const Shown busted{
      "The boxing corruption allegations have found you guilty of losing fights "
      "for money. You have been fined $50,000, don't do it again.",
      "BUSTED!!!"};
  const Shown paid{"Well done mate, I'll be back for your next fight", "Ill gotten gains"};
  struct Case {
    int rank;
    double caught;
    double change;
    Shown last;
    int rankAfter;
  };
  for (const Case& c : {Case{8, 0.51, -50000, busted, 8}, Case{8, 0.6, -50000, busted, 8},
                        Case{8, 0.69, -50000, busted, 8}, Case{3, 0.0, 80000, paid, 3},
                        Case{3, 0.5, 80000, paid, 3}, Case{3, 0.7, 80000, paid, 3},
                        Case{3, 0.99, 80000, paid, 3}, Case{0, 0.1, 600000, paid, 1}}) {
    SCOPED_TRACE("rank " + std::to_string(c.rank) + " value " + std::to_string(c.caught));
    TestGame t;
    SetUpBout(t.game, c.rank);
    t.random.Push({0.5, QuietComment, c.caught});
    t.screen.playFight = [](Game& game) { Dive(game); };
    HoldBout(t.game, 0, 4);
    EXPECT_TRUE(t.random.values.empty());
    EXPECT_FALSE(t.game.bribe.BribeOffered);
    EXPECT_EQ(t.game.career.Player().Losses, 1);
    EXPECT_EQ(t.game.career.Player().Rank, c.rankAfter);
    EXPECT_EQ(t.screen.fightsClosed, 1);
    EXPECT_EQ(t.game.career.Money, OpeningMoney + c.change) << "a fine may leave a debt";
    EXPECT_EQ(Count(t.screen, "BUSTED!!!") + Count(t.screen, "Ill gotten gains"), 1);
    EXPECT_EQ(t.screen.messages.back(), c.last);
  }
}

}  // namespace
}  // namespace ringvale::test
