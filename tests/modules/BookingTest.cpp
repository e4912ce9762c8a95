#include <gtest/gtest.h>

#include <algorithm>
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
constexpr std::array<bool, 5> Challenged{false, false, true, true, true};

// The player holds rank 5; the boxer at index 5 holds the player's old rank 0.
class BookingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpCareer(game);
    SwapRanks(game, 0, 5);
  }
  void Arrange(int selectedRank) {
    PushRivalTraining(t.random);
    ArrangeBout(game, selectedRank);
  }
  // Rival 4 (rank 4, next above the player) is drawn against the player.
  void ChallengeFrom(int rival) {
    PushDraw(t.random, rival, 0);
    PushRivalTraining(t.random);
    NextWeek(game);
  }
  TestGame t;
  Game& game = t.game;
  RosterEntry& player = game.career.Roster[0];
};

TEST_F(BookingTest, ArrangingBooksOnlyAFreeNeighbourAndTheWeekAlwaysAdvances) {
  const Shown arranged{"The fight has been arranged", "Fight is set!|"};
  const Shown skill{"Too much of a skill difference", "Not Possible"};
  struct Case {
    int rank;
    std::vector<int> booked;  // a pair booked beforehand
    std::vector<Shown> shown;
    int opponent;
    bool champion = false;  // with a free neighbour left in MatchA by an earlier arrangement
  };
  const Case cases[] = {
      {4, {}, {arranged}, 4},
      {6, {}, {arranged}, 6},
      {5, {}, {{"Don't play with yourself", "Not Possible"}}, NoOpponent},
      {3, {}, {skill}, NoOpponent},
      {7, {}, {skill}, NoOpponent},
      {-1, {}, {skill}, NoOpponent},
      {4, {4, 3}, {{"Boxer is busy", "Not Possible"}}, NoOpponent},
      {6, {0, 4}, {}, 4},
      {-1, {}, {skill}, NoOpponent, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    game.main = MainWindow{};
    game.booking = Booking{};
    SetUp();
    t.screen.messages.clear();
    if (!c.booked.empty()) Book(game, c.booked[0], c.booked[1], 3);
    if (c.champion) {
      SwapRanks(game, 0, 5);
      game.booking.MatchA = 1;
    }
    Arrange(c.rank);
    EXPECT_EQ(t.screen.messages, c.shown);
    EXPECT_EQ(player.Opponent, c.opponent);
    EXPECT_EQ(std::ranges::count_if(game.career.Roster, [](auto& b) { return b.Opponent == 0; }),
              c.opponent == NoOpponent ? 0 : 1);
    EXPECT_EQ(game.career.Week, 11);
    EXPECT_TRUE(t.random.values.empty());
    if (c.shown == std::vector<Shown>{arranged}) {
      EXPECT_EQ(game.main.lblChallenge, "You are fighting " + Names[c.rank]);
      EXPECT_EQ(game.main.comUpcoming,
                std::vector<std::string>{"Sam vs " + Names[c.rank] + " in 5 week(s)"});
    }
  }
}

TEST_F(BookingTest, NeighbourDrawnAgainstThePlayerChallengesHim) {
  const Career before = game.career;
  ChallengeFrom(4);
  EXPECT_EQ(game.main.tabMain, 2);
  EXPECT_EQ(game.main.cmbBoxersIndex, 4);
  EXPECT_EQ(game.main.lblChallenge, "Otto Varga challenges you to a fight");
  EXPECT_EQ(Controls(game.main), Challenged);
  for (int i = 0; i < RosterSize; ++i) {
    EXPECT_EQ(game.career.Roster[i].Opponent, NoOpponent);
    EXPECT_EQ(game.career.Roster[i].WeeksToBout, before.Roster[i].WeeksToBout - 1);
    EXPECT_EQ(game.career.Roster[i].Rank, before.Roster[i].Rank);
  }
  EXPECT_TRUE(game.main.comUpcoming.empty());
}

TEST_F(BookingTest, AcceptedChallengeBooksTheBoutSixWeeksAhead) {
  ChallengeFrom(4);
  SignChallenge(game);
  EXPECT_EQ(game.main.lblChallenge, "You are fighting Otto Varga.");
  EXPECT_TRUE(Booked(game, 0, 4, 6));
  EXPECT_EQ(Controls(game.main), Arranging);
  EXPECT_EQ(game.main.comUpcoming, (std::vector<std::string>{"Sam vs Otto Varga in 6 week(s)"}));
}

TEST_F(BookingTest, RefusedChallengeLeavesBothFree) {
  ChallengeFrom(4);
  RejectChallenge(game);
  EXPECT_EQ(game.main.lblChallenge, "You are not fighting anyone");
  for (const int boxer : {0, 4}) {
    EXPECT_EQ(game.career.Roster[boxer].Opponent, NoOpponent);
    EXPECT_EQ(game.career.Roster[boxer].WeeksToBout, 1000);
  }
  EXPECT_EQ(Controls(game.main), Arranging);
  EXPECT_TRUE(game.main.comUpcoming.empty());
}

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
