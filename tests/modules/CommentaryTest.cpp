#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "CommentaryTexts.h"
#include "TestGame.h"
#include "modComment.h"
#include "modFights.h"

namespace ringvale::test {
namespace {

// Names nobody would write into a commentary, so every occurrence is a spliced slot.
const std::string NameA = "Quillon Abernethy";
const std::string NameB = "Zeb Okafor-Lindqvist";

// A random value whose five-way draw gives `d` at the first try.
double DrawFor(int d) {
  return (d - 0.1) / 5;
}

void SetUpBout(Game& game) {
  game.career.Roster[0].Name = NameA;
  game.career.Roster[3].Name = NameB;
  game.bout.FighterA = 0;
  game.bout.FighterB = 3;
}

TEST(FiveWayDraw, DrawsAgainWhileFiveTimesTheValueRoundsToZero) {
  TestGame t;
  t.random.Push({0.0, 0.1, 0.3, 0.99, 0.7, 0.9});  // 0 and 0.5 round to 0; 1.5 to 2
  EXPECT_EQ(FiveWayDraw(t.game), 2);
  EXPECT_EQ(t.random.draws, 3);
  EXPECT_EQ(FiveWayDraw(t.game), 5);  // 4.95
  EXPECT_EQ(FiveWayDraw(t.game), 4);  // 3.5 and 4.5 both go to the even 4
  EXPECT_EQ(FiveWayDraw(t.game), 4);
  EXPECT_EQ(t.random.reseeds, 0);
}

// Texts that knock boxers down, as (round, text, A's, B's); every other text knocks down no one.
TEST(Commentary, EachParagraphReplacesTheLastNamesBothBoxersAndAddsItsKnockdowns) {
  const std::vector<std::array<int, 4>> knockdowns = {{2, 2, 0, 1}, {2, 5, 1, 0}, {5, 1, 1, 0},
                                                      {6, 3, 1, 0}, {7, 5, 0, 2}, {8, 1, 1, 1}};
  for (int round = 0; round <= CommentedRounds; ++round) {
    for (int d = 1; d <= CommentaryChoices; ++d) {
      SCOPED_TRACE("round " + std::to_string(round) + " text " + std::to_string(d));
      TestGame t;
      SetUpBout(t.game);
      t.game.fight.txtComments = "the last paragraph";
      t.game.bout.KnockdownsA = t.game.bout.KnockdownsB = round == 0 ? 2 : 0;
      t.random.Push({DrawFor(d)});
      t.game.bout.FightRound = round;
      round == 0 ? CommentIntro(t.game) : CommentAfterRound(t.game);
      const std::array<int, 4> added{round, d, t.game.bout.KnockdownsA, t.game.bout.KnockdownsB};
      const std::string& text = t.game.fight.txtComments;
      EXPECT_EQ(text, t.game.commentary.CommentText);
      EXPECT_EQ(added[2] + added[3] > 0, std::ranges::count(knockdowns, added) == 1);
      EXPECT_TRUE(text.find("[A]") == std::string::npos && text.find("[B]") == std::string::npos);
    }
  }
  TestGame t;
  SetUpBout(t.game);
  t.random.Push({DrawFor(1)});
  CommentIntro(t.game);
  EXPECT_TRUE(t.game.fight.txtComments.starts_with("Welcome to tonights Ringvale match between " +
                                                   NameA + " and " + NameB));
}

// What the text box held whenever a knock-out is announced.
void WatchKnockOuts(TestGame& t, std::vector<Shown>& boxAtKnockOut) {
  t.screen.onMessage = [&](const Shown& shown) {
    if (shown.title == "KO KO KO")
      boxAtKnockOut.push_back({shown.prompt, t.game.fight.txtComments});
  };
}

// The knock-out is announced with the paragraph that reported the third knock-down on show.
TEST(Knockdowns, DoubleKnockdownFromTwoAllKnocksOutThePlayer) {
  TestGame t;
  SetUpBout(t.game);
  std::vector<Shown> boxAtKnockOut;
  WatchKnockOuts(t, boxAtKnockOut);
  t.game.bout.FightRound = 8;
  t.game.bout.KnockdownsA = t.game.bout.KnockdownsB = 2;
  t.random.Push({DrawFor(1)});
  CommentAfterRound(t.game);
  EXPECT_EQ(boxAtKnockOut,
            (std::vector<Shown>{{NameA + " has been knocked out!!!", t.game.fight.txtComments}}));
  EXPECT_TRUE(t.game.fight.txtComments.starts_with("It seemed over in that round twice"));
}

}  // namespace
}  // namespace ringvale::test
