#include <gtest/gtest.h>

#include <array>
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

// One commentary occasion as written in the game's brief: exact opening, name slots in order
// ('A' for the player's boxer, 'B' for the opponent) and the knock-downs it adds.
struct Expected {
  std::string opening;
  std::string names;
  int addA = 0, addB = 0;
};

const std::array<Expected, 5> ExpectedIntroductions = {{
    {"Welcome to tonights Ringvale match between " + NameA + " and " + NameB, "AB"},
    {"Ladies and Gentlemen welcome to tonights Ringvale, ", "AB"},
    {"", "AB"},  // a broadcaster's name, then the fixed words below
    {"Going out to over 14 million people around the world, tonights Ringvale", "AB"},
    {NameA + " and " + NameB + ".", "AB"},
}};

const std::array<std::array<Expected, 5>, 9> ExpectedRounds = {{
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

// The slots in order of occurrence, checking that no name is run into a neighbouring word.
std::string NamesIn(const std::string& text, const std::string& where) {
  std::string order;
  for (std::size_t pos = 0; pos < text.size();) {
    const bool isA = text.compare(pos, NameA.size(), NameA) == 0;
    const bool isB = text.compare(pos, NameB.size(), NameB) == 0;
    if (!isA && !isB) {
      ++pos;
      continue;
    }
    const std::size_t end = pos + (isA ? NameA : NameB).size();
    EXPECT_TRUE(pos == 0 || text[pos - 1] == ' ') << where << ": name joined to the word before";
    const std::string after = text.substr(end, 3);
    const bool setOff = after.empty() || after[0] == ' ' || after[0] == '.' || after[0] == ',' ||
                        after == "'s " || (after.size() == 2 && after == "'s");
    EXPECT_TRUE(setOff) << where << ": name run into \"" << after << "\"";
    order += isA ? 'A' : 'B';
    pos = end;
  }
  return order;
}

// Sentences end in . ! or ? (a run such as "!!." ends one) followed by a space or the end.
int SentencesIn(const std::string& text) {
  int sentences = 0;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    const bool ends = text[pos] == '.' || text[pos] == '!' || text[pos] == '?';
    if (ends && (pos + 1 == text.size() || text[pos + 1] == ' ')) ++sentences;
  }
  return sentences;
}

void CheckParagraph(const std::string& text, const Expected& expected, const std::string& where) {
  EXPECT_EQ(text.substr(0, expected.opening.size()), expected.opening) << where;
  EXPECT_EQ(NamesIn(text, where), expected.names) << where << ": " << text;
  const int sentences = SentencesIn(text);
  EXPECT_GE(sentences, 2) << where << ": " << text;
  EXPECT_LE(sentences, 5) << where << ": " << text;
  EXPECT_EQ(text.find('\n'), std::string::npos) << where;
  EXPECT_EQ(text.find("  "), std::string::npos) << where << ": double space";
  EXPECT_EQ(text.find("[A]"), std::string::npos) << where;
  EXPECT_EQ(text.find("[B]"), std::string::npos) << where;
}

TEST(FiveWayDraw, FirstFourTextsAreTwiceAsLikelyAsTheFifth) {
  SeededRandom random(20240601);
  RecordingScreen screen;
  Game game(screen, random, ".");
  std::array<int, 6> counts{};
  constexpr int Draws = 90000;
  for (int i = 0; i < Draws; ++i) {
    const int d = FiveWayDraw(game);
    ASSERT_GE(d, 1);
    ASSERT_LE(d, 5);
    ASSERT_EQ(game.commentary.CommentDraw, d);
    ++counts[d];
  }
  for (int d = 1; d <= 4; ++d) EXPECT_NEAR(counts[d] / double(Draws), 2.0 / 9, 0.01) << d;
  EXPECT_NEAR(counts[5] / double(Draws), 1.0 / 9, 0.01);
  EXPECT_EQ(random.reseeds, 0);
}

TEST(FiveWayDraw, DrawsAgainWhileFiveTimesTheValueRoundsToZero) {
  TestGame t;
  t.random.Push({0.0, 0.1, 0.3, 0.99});  // 0 and 0.5 round to 0; 1.5 rounds to 2
  EXPECT_EQ(FiveWayDraw(t.game), 2);
  EXPECT_EQ(t.random.draws, 3);
  EXPECT_EQ(FiveWayDraw(t.game), 5);  // 4.95
  t.random.Push({0.7, 0.9});          // 3.5 -> 4 and 4.5 -> 4: halves go to even
  EXPECT_EQ(FiveWayDraw(t.game), 4);
  EXPECT_EQ(FiveWayDraw(t.game), 4);
  EXPECT_EQ(t.random.reseeds, 0);
}

TEST(Commentary, EveryIntroductionOpensAsWrittenAndNamesBothBoxersInOrder) {
  for (int d = 1; d <= 5; ++d) {
    TestGame t;
    SetUpBout(t.game);
    t.game.bout.KnockdownsA = 2;
    t.game.bout.KnockdownsB = 1;
    t.random.Push({DrawFor(d)});
    CommentIntro(t.game);
    const std::string where = "introduction " + std::to_string(d);
    EXPECT_EQ(t.random.reseeds, 1) << where;
    EXPECT_EQ(t.game.bout.KnockdownsA, 0) << where;
    EXPECT_EQ(t.game.bout.KnockdownsB, 0) << where;
    EXPECT_EQ(t.game.commentary.CommentDraw, d);
    EXPECT_EQ(t.game.fight.txtComments, t.game.commentary.CommentText) << where;
    CheckParagraph(t.game.commentary.CommentText, ExpectedIntroductions[d - 1], where);
    EXPECT_TRUE(t.screen.messages.empty());
  }
}

TEST(Commentary, BroadcasterOfTheThirdIntroductionIsMadeUp) {
  TestGame t;
  SetUpBout(t.game);
  t.random.Push({DrawFor(3)});
  CommentIntro(t.game);
  const std::string& text = t.game.commentary.CommentText;
  const std::string fixed = " is pleased to introduce tonights boxers : " + NameA;
  const std::size_t at = text.find(fixed);
  ASSERT_NE(at, std::string::npos) << text;
  ASSERT_GT(at, 0u);
  const std::string broadcaster = text.substr(0, at);
  for (const char* web : {".com", ".net", ".org", "www", "http", ".tv"})
    EXPECT_EQ(broadcaster.find(web), std::string::npos) << broadcaster;
}

TEST(Commentary, EveryRoundTextOpensAsWrittenNamesTheBoxersAndCountsItsKnockdowns) {
  for (int round = 1; round <= 9; ++round) {
    for (int d = 1; d <= 5; ++d) {
      TestGame t;
      SetUpBout(t.game);
      t.game.fight.txtComments = "the introduction";
      t.game.bout.FightRound = round;
      t.random.Push({DrawFor(d)});
      CommentAfterRound(t.game);
      const Expected& expected = ExpectedRounds[round - 1][d - 1];
      const std::string where = "round " + std::to_string(round) + " text " + std::to_string(d);
      EXPECT_EQ(t.game.fight.txtComments, t.game.commentary.CommentText) << where;
      CheckParagraph(t.game.commentary.CommentText, expected, where);
      EXPECT_EQ(t.game.bout.KnockdownsA, expected.addA) << where;
      EXPECT_EQ(t.game.bout.KnockdownsB, expected.addB) << where;
      EXPECT_EQ(t.random.reseeds, 0) << where;
      EXPECT_TRUE(t.screen.messages.empty()) << where;
    }
  }
}

TEST(Commentary, NoTwoOccasionsShareAParagraph) {
  std::vector<std::string> seen;
  for (int round = 1; round <= 9; ++round) {
    for (int d = 1; d <= 5; ++d) {
      TestGame t;
      SetUpBout(t.game);
      t.game.bout.FightRound = round;
      t.random.Push({DrawFor(d)});
      CommentAfterRound(t.game);
      for (const auto& earlier : seen) EXPECT_NE(earlier, t.game.commentary.CommentText);
      seen.push_back(t.game.commentary.CommentText);
    }
  }
}

TEST(Commentary, TheBoxShowsOnlyTheLatestParagraph) {
  TestGame t;
  SetUpBout(t.game);
  t.random.Push({DrawFor(1), DrawFor(3)});
  CommentIntro(t.game);
  const std::string introduction = t.game.fight.txtComments;
  t.game.bout.FightRound = 1;
  CommentAfterRound(t.game);
  EXPECT_EQ(t.game.fight.txtComments.find(introduction), std::string::npos);
  EXPECT_TRUE(t.game.fight.txtComments.starts_with(NameA + " is already trying"));
}

TEST(Commentary, RoundTenAndAnEndedBoutGetNoCommentary) {
  for (int round : {0, 10}) {
    TestGame t;
    SetUpBout(t.game);
    t.game.fight.txtComments = "round nine's words";
    t.game.commentary.CommentText = "round nine's words";
    t.game.bout.KnockdownsA = 2;
    t.game.bout.KnockdownsB = 2;
    t.game.bout.FightRound = round;
    CommentAfterRound(t.game);  // draws nothing: the scripted generator is empty
    EXPECT_EQ(t.game.fight.txtComments, "round nine's words");
    EXPECT_TRUE(t.screen.messages.empty());
    EXPECT_EQ(t.random.draws, 0);
  }
}

// Records what the text box held whenever a knock-out is announced.
struct KnockOutWatch {
  explicit KnockOutWatch(TestGame& t) {
    t.screen.onMessage = [this, &t](const Shown& shown) {
      if (shown.title == "KO KO KO") {
        prompts.push_back(shown.prompt);
        boxAtKnockOut.push_back(t.game.fight.txtComments);
      }
    };
  }
  std::vector<std::string> prompts, boxAtKnockOut;
};

TEST(Knockdowns, DoubleKnockdownFromTwoAllKnocksOutThePlayer) {
  TestGame t;
  SetUpBout(t.game);
  KnockOutWatch watch(t);
  t.game.bout.FightRound = 8;
  t.game.bout.KnockdownsA = 2;
  t.game.bout.KnockdownsB = 2;
  t.random.Push({DrawFor(1)});
  CommentAfterRound(t.game);
  EXPECT_EQ(t.game.bout.KnockdownsA, 3);
  EXPECT_EQ(t.game.bout.KnockdownsB, 3);
  ASSERT_EQ(watch.prompts.size(), 1u);
  EXPECT_EQ(watch.prompts[0], NameA + " has been knocked out!!!");
  EXPECT_TRUE(watch.boxAtKnockOut[0].starts_with("It seemed over in that round twice"));
  EXPECT_EQ(t.game.career.Roster[0].Losses, 1);
  EXPECT_EQ(t.game.career.Roster[3].KOs, 1);
}

TEST(Knockdowns, ThirdKnockdownEndsTheBoutAfterTheParagraphThatReportsIt) {
  // The whole bout through the fight window: an uppercut drop in round 2, then the double
  // knock-down of round 7 makes three for the opponent.
  TestGame t;
  SetUpBout(t.game);
  for (auto& boxer : t.game.career.Roster) boxer.Speed = 0;  // no punches, so no punch draws
  t.game.career.Roster[0].Rank = 9;                          // and no bribe draw
  t.game.career.Roster[3].Rank = 8;
  KnockOutWatch watch(t);
  t.random.Push({DrawFor(1)});  // introduction
  const std::array<int, 7> texts = {1, 2, 1, 1, 2, 1, 5};
  for (int d : texts) t.random.Push({0.5, DrawFor(d)});  // each round's unused draw, then its text

  HoldBout(t.game, 0, 3);

  EXPECT_EQ(t.random.values.size(), 0u);
  ASSERT_EQ(watch.prompts.size(), 1u);
  EXPECT_EQ(watch.prompts[0], NameB + " has been knocked out!!!");
  EXPECT_TRUE(watch.boxAtKnockOut[0].starts_with(NameA + " has completely and utterly won that"))
      << watch.boxAtKnockOut[0];
  EXPECT_EQ(t.game.bout.KnockdownsB, 3);
  EXPECT_EQ(t.game.bout.KnockdownsA, 0);
  EXPECT_EQ(t.game.bout.FightRound, 0);
  EXPECT_EQ(t.game.fight.fraFight, "Round 7");
  EXPECT_EQ(t.screen.fightsClosed, 1);
  EXPECT_EQ(t.game.career.Roster[0].Wins, 1);
  EXPECT_EQ(t.game.career.Roster[0].KOs, 1);
  EXPECT_EQ(t.game.career.Roster[3].Losses, 1);
}

TEST(Knockdowns, PlayerFallsForTheThirdTimeInRoundSix) {
  TestGame t;
  SetUpBout(t.game);
  KnockOutWatch watch(t);
  t.random.Push({DrawFor(5), DrawFor(1), DrawFor(3)});
  for (int round : {2, 5, 6}) {
    t.game.bout.FightRound = round;
    CommentAfterRound(t.game);
    if (round < 6) {
      EXPECT_TRUE(watch.prompts.empty()) << round;
    }
  }
  ASSERT_EQ(watch.prompts.size(), 1u);
  EXPECT_EQ(watch.prompts[0], NameA + " has been knocked out!!!");
  EXPECT_TRUE(watch.boxAtKnockOut[0].starts_with("Well " + NameA + " did go down"));
}

}  // namespace
}  // namespace ringvale::test
