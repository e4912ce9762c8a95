// A week of the career: bookings and challenges, and bouts.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "CareerFiles.h"
#include "WeekSetup.h"
#include "modComment.h"
#include "modFights.h"

namespace ringvale::test {
namespace {

// The controls a challenge swaps: the boxer list, Arrange, Agree, Sign and Reject.
std::array<bool, 5> Controls(const MainWindow& main) {
  return {main.cmbBoxersEnabled, main.frameArrangeEnabled, main.frameAgreeEnabled,
          main.cmdSignVisible, main.cmdRejectVisible};
}
constexpr std::array<bool, 5> Arranging{true, true, false, false, false};
constexpr std::array<bool, 5> Challenged{false, false, true, true, true};

// The player holds rank 5; the boxer at index 5 holds the player's old rank 0.
class BookingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpCareer(game);
    SwapRanks(game, 0, 5);
  }
  // Rival 4 (rank 4, next above the player) is drawn against the player.
  void ChallengeFrom(int rival) {
    PushDraw(t.random, rival, 0);
    PushRivalTraining(t.random);
    NextWeek(game);
  }
  TestGame t;
  Game& game = t.game;
};

TEST_F(BookingTest, UnansweredChallengeLapsesWhenTheWeekAdvances) {
  ChallengeFrom(4);
  PushDraw(t.random, 2, 3);  // a rival bout drawn next week reuses MatchA and MatchB
  PushRivalTraining(t.random);
  NextWeek(game);
  EXPECT_EQ(Controls(game.main), Arranging);
  const Career before = game.career;
  SignChallenge(game);
  RejectChallenge(game);
  EXPECT_EQ(game.career, before);
  EXPECT_EQ(game.main.lblChallenge, "No one wants to fight you.");
}

TEST_F(BookingTest, WithoutACareerOrAfterTheLastYearNoButtonDoesAnything) {
  for (const bool loaded : {false, true}) {
    for (const bool arrange : {false, true}) {
      SetUpCareer(game);
      game.career.Year = RetirementYear;
      if (!loaded) game.career = Career{};
      const Career before = game.career;
      arrange ? ArrangeBout(game, 1) : NextWeek(game);
      EXPECT_EQ(game.career, before) << loaded << arrange;
    }
  }
  game.career = Career{};
  SaveCareer(game);
  EXPECT_TRUE(Snapshot(t.folder.Path()).empty());
  const Shown noBoxer{"No boxer loaded!!", "Uh-oh!"};
  const Shown retired{"Sam has retired. Start a new boxer or load another career.", "Ringvale"};
  EXPECT_EQ(t.screen.messages, (std::vector<Shown>{noBoxer, noBoxer, retired, retired, noBoxer}));
  EXPECT_EQ(t.random.draws, 0);
  EXPECT_EQ(t.screen.freezes, 2);
  EXPECT_FALSE(t.screen.frozen);
}

// New, a Load and the forced retirement end a waiting challenge, so no answer can book a bout in
// another career; a Load that fails leaves it waiting.
TEST_F(BookingTest, AWaitingChallengeBelongsToItsCareer) {
  const std::filesystem::path rocky = t.folder.Path() / "Rocky.box",
                              bad = t.folder.Path() / "Bad.box";
  WriteBytes(rocky, Fixture("rocky-year3.box"));
  WriteBytes(bad, Replaced(Fixture("rocky-year3.box"), ",208,", ",0,"));
  // What ends it (none: the challenge comes in the last week of year 9), what shows.
  const std::tuple<std::function<void()>, std::vector<Shown>, std::string> cases[] = {
      {[&] { NewBoxer(game); }, {}, "No one wants to fight you."},
      {[&] { LoadBoxer(game, rocky); }, {}, "You are fighting Bram Kestovic"},
      {[&] { LoadBoxer(game, bad); },
       {{Refused(bad) + "Line 1: the week count 0 is not 1 to 572.", "Cannot load boxer"}},
       "Otto Varga challenges you to a fight"},
      {nullptr,
       {{"Body injuries have taken their toll, you are forced to retire", "Retire from Sport"}},
       "No one wants to fight you."},
  };
  for (const auto& [act, shown, lblChallenge] : cases) {
    SCOPED_TRACE(lblChallenge + (act ? "" : ", at the retirement"));
    game.career = Career{};
    SetUp();
    t.random.values.clear();
    t.screen.messages.clear();
    if (!act) game.career.Year = 9, game.career.Week = 52;
    ChallengeFrom(4);
    const Career before = game.career;
    t.screen.inputs = {"Sam"};
    t.random.Push({0.2});  // New's line-up
    if (act) act();
    const bool waiting = lblChallenge.ends_with("challenges you to a fight");
    EXPECT_EQ(t.screen.messages, shown);
    EXPECT_EQ(game.main.lblChallenge, lblChallenge);
    EXPECT_EQ(Controls(game.main), waiting ? Challenged : Arranging);
    if (waiting) {
      EXPECT_EQ(game.career, before);
      continue;
    }
    // Neither answer books anything now.
    const Career after = game.career;
    SignChallenge(game);
    RejectChallenge(game);
    EXPECT_EQ(game.career, after);
    EXPECT_EQ(t.screen.messages, shown);
  }
}

// Only a challenge whose boxers are still free neighbours can be answered.
TEST_F(BookingTest, AnsweringAChallengeNoLongerOpenBooksNothing) {
  const std::vector<std::function<void()>> changes = {
      [&] { Book(game, 4, 3, 2); },    // the challenger is busy
      [&] { Book(game, 0, 6, 2); },    // the player is
      [&] { SwapRanks(game, 4, 1); },  // they are no longer neighbours
  };
  for (const auto answer : {SignChallenge, RejectChallenge}) {
    for (const auto& change : changes) {
      SetUp();
      ChallengeFrom(4);
      change();
      t.screen.messages.clear();
      const Career before = game.career;
      answer(game);
      EXPECT_EQ(t.screen.messages,
                (std::vector<Shown>{{"That challenge is no longer open.", "Ringvale"}}));
      EXPECT_EQ(game.career, before);
      EXPECT_EQ(Controls(game.main), Arranging);
      EXPECT_EQ(game.main.lblChallenge, game.career.Player().Opponent == 6
                                            ? "You are fighting Rafe Calder"
                                            : "No one wants to fight you.");
    }
  }
}

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
