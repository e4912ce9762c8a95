#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "TestGame.h"
#include "WeekSetup.h"
#include "modSetFights.h"

namespace ringvale::test {
namespace {

// The controls a challenge swaps: the boxer list, Arrange, Agree, Sign and Reject.
std::array<bool, 5> Controls(const MainWindow& main) {
  return {main.cmbBoxersEnabled, main.frameArrangeEnabled, main.frameAgreeEnabled,
          main.cmdSignVisible, main.cmdRejectVisible};
}
constexpr std::array<bool, 5> Arranging{true, true, false, false, false};

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
  EXPECT_FALSE(game.booking.ChallengePending);
  EXPECT_EQ(Controls(game.main), Arranging);
  const Career before = game.career;
  const MainWindow window = game.main;
  SignChallenge(game);
  RejectChallenge(game);
  EXPECT_EQ(game.career, before);
  EXPECT_EQ(game.main.comUpcoming, window.comUpcoming);
  EXPECT_EQ(game.main.lblChallenge, "No one wants to fight you.");
}

TEST_F(BookingTest, WithoutACareerOrAfterTheLastYearNeitherButtonDoesAnything) {
  for (const bool loaded : {false, true}) {
    for (const bool arrange : {false, true}) {
      SetUpCareer(game);
      if (loaded)
        game.career.Year = 10;
      else
        game.career = Career{};
      const Career before = game.career;
      arrange ? ArrangeBout(game, 1) : NextWeek(game);
      EXPECT_EQ(game.career, before) << loaded << arrange;
    }
  }
  const Shown noBoxer{"No boxer loaded!!", "Uh-oh!"};
  EXPECT_EQ(t.screen.messages, (std::vector<Shown>{noBoxer, noBoxer}));
  EXPECT_EQ(t.random.draws, 0);
  EXPECT_EQ(t.screen.freezes, 2);
  EXPECT_FALSE(t.screen.frozen);
}

}  // namespace
}  // namespace ringvale::test
