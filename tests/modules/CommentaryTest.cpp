#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestGame.h"
#include "modComment.h"
#include "modFights.h"

namespace ringvale::test {
namespace {

// The knock-out is announced with the paragraph that reported the third knock-down on show.
TEST(Knockdowns, DoubleKnockdownFromTwoAllKnocksOutThePlayer) {
  TestGame t;
  t.game.career.Roster[0].Name = "Sam";
  t.game.bout.FighterA = 0;
  t.game.bout.FighterB = 3;
  std::vector<Shown> boxAtKnockOut;
  t.screen.onMessage = [&](const Shown& shown) {
    if (shown.title == "KO KO KO")
      boxAtKnockOut.push_back({shown.prompt, t.game.fight.txtComments});
  };
  t.game.bout.FightRound = 8;
  t.game.bout.KnockdownsA = t.game.bout.KnockdownsB = 2;
  t.random.Push({0.2});  // the first text
  CommentAfterRound(t.game);
  EXPECT_EQ(boxAtKnockOut,
            (std::vector<Shown>{{"Sam has been knocked out!!!", t.game.fight.txtComments}}));
  EXPECT_TRUE(t.game.fight.txtComments.starts_with("It seemed over in that round twice"));
}

}  // namespace
}  // namespace ringvale::test
