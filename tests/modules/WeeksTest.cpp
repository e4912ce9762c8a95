// A week of the career: bookings and challenges.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "CareerFiles.h"
#include "WeekSetup.h"
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

}  // namespace
}  // namespace ringvale::test
