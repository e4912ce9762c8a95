// A bout: its rounds, how it ends, and what it leaves in the records.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "TestGame.h"
#include "WeekSetup.h"
#include "modComment.h"

namespace ringvale::test {
namespace {

// Played bouts never leave the bars' range (the soak's transcript shows them); a hand-edited
// file can, and then a score shows as a full or an empty bar.
TEST(Fight, BarsShowScoresClampedToTheirRange) {
  TestGame t;
  SetUpCareer(t.game);
  auto& roster = t.game.career.Roster;
  roster[0] = {"Sam", 300, 300, 0, 0, 0, 0, 0, 0, 1, 2};            // scores 60
  roster[2] = {"Deacon Flint", -400, 100, 0, 0, 0, 0, 0, 2, 1, 0};  // scores -30
  t.game.bout.FighterA = 0;
  t.game.bout.FighterB = 2;
  t.random.Push({0.0, QuietComment, 0.0, QuietComment});  // bribe roll, introduction, round 1
  LoadFight(t.game);
  t.screen.fightOpen = true;  // as ShowFight would have it
  DoRound(t.game);
  EXPECT_EQ(std::pair(int(t.game.bout.ScoreA), int(t.game.bout.ScoreB)), std::pair(60, -30));
  EXPECT_EQ(std::pair(t.game.fight.proStamina, t.game.fight.proRivStamina),
            std::pair(FightBarTop, 0));
}

// The knock-out is announced with the paragraph that reported the third knock-down on show.
TEST(Fight, DoubleKnockdownFromTwoAllKnocksOutThePlayer) {
  TestGame t;
  t.game.career.Roster[0].Name = "Sam";
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
