#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

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

// One commentary occasion: exact opening, name slots in order ('A' the player, 'B' the
// opponent) and the knock-downs it adds.
struct Expected {
  std::string opening;
  std::string names;
  int addA = 0, addB = 0;
};

// Row 0 is the introduction, rows 1 to 9 the rounds.
const std::array<std::array<Expected, 5>, 10> Occasions = {{
    {{{"Welcome to tonights Ringvale match between " + NameA + " and " + NameB, "AB"},
      {"Ladies and Gentlemen welcome to tonights Ringvale, ", "AB"},
      {"", "AB"},  // a made-up broadcaster's name first
      {"Going out to over 14 million people around the world, tonights Ringvale", "AB"},
      {NameA + " and " + NameB + ".", "AB"}}},
    {{{"Well both boxers come out of their corners very ferociously", ""},
      {"The bell sounds and both fighters dramatically jump out of their", ""},
      {NameA + " is already trying to take control of this match", "AB"},
      {"The fight begins and the anger is released.", ""},
      {"Both boxers took a cautious first round there,", ""}}},
    {{{"You get a clearer understanding of the way this fights going", ""},
      {"It's only the second round but already ", "B", 0, 1},
      {"Both fighters took it up to their rival in the second.", "BA"},
      {NameB + " quickly threw a barrage of his best punches", "BA"},
      {"It's just the second round but ", "A", 1, 0}}},
    {{{"Three rounds in and ", "AB"},
      {"The third round ends having been well and truly dominated by ", "B"},
      {"I don't think that either man is putting in 100% out there,", ""},
      {"The third round ends after having been completely dominated by ", "A"},
      {"I can't believe that this fight is allowed to go on to the next round.", "B"}}},
    {{{"A very eventful round there, both men landing key punches", "A"},
      {"Both men backed off this round, still hurt from the previous. But ", "ABB"},
      {"Both men backed off this round, still hurt from the previous. But ", "AB"},
      {"And yet another dirty fighting round!!.", "A"},
      {"Urged on by the crowd ", "AB"}}},
    {{{"Fatigue is starting to set in for ", "A", 1, 0},
      {"I for one, ladies, gentlemen and fight fans,", ""},
      {"This is the sort of fight we were looking for,", ""},
      {" A very entertaining round there, the referee got caught up between", ""},
      {NameA + " must have something wrong now, his trainers are", "A"}}},
    {{{"Well viewers thats a round to remember.", ""},
      {"Both men can look back and say that they each won that round.", "ABA"},
      {"Well ", "AA", 1, 0},
      {" It's fights like these that put articles in papers around the world,", ""},
      {" A pretty relaxed round 6, neither boxer used too much effort,", ""}}},
    {{{"After watching that round you'd have to say that one of the 'Gladiators'", "A"},
      {"Well ", "BA"},
      {"7 rounds in yet both men are still able to take the challenge up to their", ""},
      {" Years of training are starting to pay off now for ", "A"},
      {NameA + " has completely and utterly won that round. He dropped", "ABB", 0, 2}}},
    {{{"It seemed over in that round twice, with both men hitting the ground", "", 1, 1},
      {"The boxers worst enemy, fatigue has now well and truly caught up with both", ""},
      {"I know its late in the match, but I'm still not sure who to back,", ""},
      {"Well you'd have to say that ", "A"},
      {"Well you'd assume ", "B"}}},
    {{{"I couldn't put money either way on this one,", ""},
      {"All nine rounds of this fight never ceased to entertain the capacity crowd", "A"},
      {"An entertaining fight drawing to a close now,", ""},
      {" I didn't think that it was much of a fight to be honest,", ""},
      {"For sure it will be a unanimous decision, ", "B"}}},
}};

// The player against roster slot 3, with both names distinctive.
void SetUpBout(Game& game) {
  game.career.Roster[0].Name = NameA;
  game.career.Roster[3].Name = NameB;
  game.bout.FighterA = 0;
  game.bout.FighterB = 3;
}

// The name slots in order of occurrence; a name run into a neighbouring word does not count.
std::string NamesIn(const std::string& text) {
  static const std::regex setOff("(^| )(" + NameA + "|" + NameB + ")(?=$|[ .,]|'s( |$))");
  std::string order;
  for (std::sregex_iterator it(text.begin(), text.end(), setOff), end; it != end; ++it)
    order += (*it)[2] == NameA ? 'A' : 'B';
  return order;
}

// Sentences end in . ! or ? (a run such as "!!." ends one) followed by a space or the end.
long SentencesIn(const std::string& text) {
  static const std::regex end("[.!?](?= |$)");
  return std::distance(std::sregex_iterator(text.begin(), text.end(), end), {});
}

TEST(FiveWayDraw, FirstFourTextsAreTwiceAsLikelyAsTheFifth) {
  SeededRandom random(20240601);
  RecordingScreen screen;
  Game game(screen, random, ".");
  std::array<int, 6> counts{};
  constexpr int Draws = 90000;
  for (int i = 0; i < Draws; ++i) {
    const int d = FiveWayDraw(game);
    ASSERT_TRUE(d >= 1 && d <= 5 && game.commentary.CommentDraw == d) << d;
    ++counts[d];
  }
  for (int d = 1; d <= 4; ++d) EXPECT_NEAR(counts[d] / double(Draws), 2.0 / 9, 0.01) << d;
  EXPECT_NEAR(counts[5] / double(Draws), 1.0 / 9, 0.01);
  EXPECT_EQ(random.reseeds, 0);
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

// The box held an earlier paragraph; each occasion must replace it, not add to it.
TEST(Commentary, EveryParagraphOpensAsWrittenNamesTheBoxersInOrderAndReplacesTheLast) {
  for (int occasion = 0; occasion <= 9; ++occasion) {
    for (int d = 1; d <= 5; ++d) {
      const Expected& expected = Occasions[occasion][d - 1];
      SCOPED_TRACE((occasion == 0 ? "introduction" : "round " + std::to_string(occasion)) +
                   " text " + std::to_string(d));
      TestGame t;
      SetUpBout(t.game);
      t.game.fight.txtComments = "the last paragraph";
      t.game.bout.KnockdownsA = occasion == 0 ? 2 : 0;  // the introduction starts the count
      t.game.bout.KnockdownsB = occasion == 0 ? 1 : 0;
      t.random.Push({DrawFor(d)});
      if (occasion == 0) {
        CommentIntro(t.game);
      } else {
        t.game.bout.FightRound = occasion;
        CommentAfterRound(t.game);
      }
      const std::string& text = t.game.commentary.CommentText;
      EXPECT_EQ(t.game.fight.txtComments, text);
      EXPECT_EQ(text.substr(0, expected.opening.size()), expected.opening);
      EXPECT_EQ(NamesIn(text), expected.names) << text;
      EXPECT_TRUE(SentencesIn(text) >= 2 && SentencesIn(text) <= 5) << text;
      EXPECT_EQ(text.find_first_of("\n"), std::string::npos);
      EXPECT_EQ(text.find("  "), std::string::npos) << "double space: " << text;
      EXPECT_EQ(t.game.bout.KnockdownsA, expected.addA);
      EXPECT_EQ(t.game.bout.KnockdownsB, expected.addB);
      EXPECT_EQ(t.random.reseeds, occasion == 0 ? 1 : 0);
      EXPECT_TRUE(t.screen.messages.empty());
      if (occasion == 0 && d == 3) {  // the broadcaster is made up, not a real address
        const std::size_t at = text.find(" is pleased to introduce tonights boxers : " + NameA);
        ASSERT_TRUE(at != std::string::npos && at > 0) << text;
        for (const char* web : {".com", ".net", ".org", "www", "http", ".tv"})
          EXPECT_EQ(text.substr(0, at).find(web), std::string::npos) << text;
      }
    }
  }
}

TEST(Commentary, RoundTenAndAnEndedBoutGetNoCommentary) {
  for (int round : {0, 10}) {
    TestGame t;
    SetUpBout(t.game);
    t.game.fight.txtComments = "round nine's words";
    t.game.bout.KnockdownsA = t.game.bout.KnockdownsB = 2;
    t.game.bout.FightRound = round;
    CommentAfterRound(t.game);  // the scripted generator is empty: a draw would throw
    EXPECT_EQ(t.game.fight.txtComments, "round nine's words");
    EXPECT_TRUE(t.screen.messages.empty());
  }
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

TEST(Knockdowns, ThirdKnockdownEndsTheBoutAfterTheParagraphThatReportsIt) {
  // The whole bout through the fight window: a drop in round 2, then the double knock-down of
  // round 7 makes three for the opponent.
  TestGame t;
  SetUpBout(t.game);
  for (auto& boxer : t.game.career.Roster) boxer.Speed = 0;  // no punches, so no punch draws
  t.game.career.Roster[0].Rank = 9;                          // and no bribe draw
  t.game.career.Roster[3].Rank = 8;
  std::vector<Shown> boxAtKnockOut;
  WatchKnockOuts(t, boxAtKnockOut);
  t.random.Push({DrawFor(1)});                                           // introduction
  for (int d : {1, 2, 1, 1, 2, 1, 5}) t.random.Push({0.5, DrawFor(d)});  // unused draw, text
  HoldBout(t.game, 0, 3);
  EXPECT_TRUE(t.random.values.empty());
  EXPECT_EQ(boxAtKnockOut,
            (std::vector<Shown>{{NameB + " has been knocked out!!!", t.game.fight.txtComments}}));
  EXPECT_TRUE(t.game.fight.txtComments.starts_with(NameA + " has completely and utterly won"));
  EXPECT_EQ(t.game.fight.fraFight, "Round 7");
  EXPECT_EQ(t.screen.fightsClosed, 1);
  EXPECT_EQ(t.game.career.Roster[0].KOs, 1);
}

}  // namespace
}  // namespace ringvale::test
