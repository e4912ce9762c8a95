#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestGame.h"
#include "WeekSetup.h"
#include "modSetFights.h"

namespace ringvale::test {
namespace {

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
  void QuietWeek() {
    PushDraw(t.random, 1, 9);
    PushRivalTraining(t.random);
    NextWeek(game);
  }
  // Rival 4 (rank 4, next above the player) is drawn against the player.
  void ChallengeFromFour() {
    PushDraw(t.random, 4, 0);
    PushRivalTraining(t.random);
    NextWeek(game);
  }
  TestGame t;
  Game& game = t.game;
  RosterEntry& player = game.career.Roster[0];
};

TEST_F(BookingTest, ListNamesEachBoutOncePlayersFirst) {
  Book(game, 2, 7, 3);
  Book(game, 0, 3, 5);
  ListUpcomingFights(game);
  EXPECT_EQ(game.main.comUpcoming,
            (std::vector<std::string>{"Sam vs Bram Kestovic in 5 week(s)",
                                      "Deacon Flint vs Tomas Brenn in 3 week(s)"}));
  Book(game, 0, 3, 1000);
  game.career.Roster[0].Opponent = NoOpponent;
  game.career.Roster[3].Opponent = NoOpponent;
  ListUpcomingFights(game);
  EXPECT_EQ(game.main.comUpcoming,
            (std::vector<std::string>{"Deacon Flint vs Tomas Brenn in 3 week(s)"}));
}

TEST_F(BookingTest, ArrangingWithEitherNeighbourBooksTheBout) {
  for (const int rank : {4, 6}) {
    SetUp();
    t.screen.messages.clear();
    const int week = game.career.Week;
    Arrange(rank);
    const std::string rival = Names[rank];
    EXPECT_EQ(t.screen.messages,
              (std::vector<Shown>{{"The fight has been arranged", "Fight is set!|"}}));
    EXPECT_EQ(game.main.lblChallenge, "You are fighting " + rival);
    EXPECT_EQ(player.Opponent, rank);
    EXPECT_EQ(game.career.Roster[rank].Opponent, 0);
    EXPECT_EQ(game.main.comUpcoming,
              (std::vector<std::string>{"Sam vs " + rival + " in 5 week(s)"}));
    EXPECT_EQ(game.career.Week, week + 1);
    EXPECT_TRUE(t.random.values.empty());
  }
}

TEST_F(BookingTest, RefusalsAreNotPossibleAndTheWeekStillAdvances) {
  Book(game, 4, 3, 100);
  const std::vector<std::pair<int, std::string>> cases{{5, "Don't play with yourself"},
                                                       {3, "Too much of a skill difference"},
                                                       {7, "Too much of a skill difference"},
                                                       {-1, "Too much of a skill difference"},
                                                       {4, "Boxer is busy"}};
  for (const auto& [rank, prompt] : cases) {
    t.screen.messages.clear();
    const int week = game.career.Week;
    Arrange(rank);
    EXPECT_EQ(t.screen.messages, (std::vector<Shown>{{prompt, "Not Possible"}})) << rank;
    EXPECT_EQ(player.Opponent, NoOpponent);
    EXPECT_EQ(game.career.Week, week + 1);
  }
}

TEST_F(BookingTest, ChampionWithNothingSelectedIsRefusedLikeEveryoneElse) {
  SwapRanks(game, 0, 5);    // the player is champion again
  game.booking.MatchA = 1;  // what an earlier arrangement left behind: a free neighbour
  Arrange(-1);
  EXPECT_EQ(t.screen.messages,
            (std::vector<Shown>{{"Too much of a skill difference", "Not Possible"}}));
  EXPECT_EQ(player.Opponent, NoOpponent);
  EXPECT_EQ(game.career.Roster[1].Opponent, NoOpponent);
  EXPECT_EQ(game.career.Week, 11);
}

TEST_F(BookingTest, BookedPlayerGetsNoMessageAndTheWeekAdvances) {
  Book(game, 0, 4, 3);
  Arrange(6);
  EXPECT_TRUE(t.screen.messages.empty());
  EXPECT_EQ(player.Opponent, 4);
  EXPECT_EQ(game.career.Roster[6].Opponent, NoOpponent);
  EXPECT_EQ(game.career.Week, 11);
}

TEST_F(BookingTest, ArrangingWithoutACareerSaysSoAndTheWeekStays) {
  game.career.Roster[0].Name.clear();
  ArrangeBout(game, 4);
  EXPECT_EQ(t.screen.messages, (std::vector<Shown>{{"No boxer loaded!!", "Uh-oh!"}}));
  EXPECT_EQ(game.career.Week, 10);
  EXPECT_EQ(t.random.draws, 0);
}

TEST_F(BookingTest, NeighbourDrawnAgainstThePlayerChallengesHim) {
  const Career before = game.career;
  ChallengeFromFour();
  const auto& main = game.main;
  EXPECT_EQ(main.tabMain, 2);
  EXPECT_EQ(main.cmbBoxersIndex, 4);
  EXPECT_FALSE(main.cmbBoxersEnabled);
  EXPECT_EQ(main.lblChallenge, "Otto Varga challenges you to a fight");
  EXPECT_TRUE(main.frameAgreeEnabled);
  EXPECT_FALSE(main.frameArrangeEnabled);
  EXPECT_TRUE(main.cmdSignVisible);
  EXPECT_TRUE(main.cmdRejectVisible);
  for (int i = 0; i < RosterSize; ++i) {
    EXPECT_EQ(game.career.Roster[i].Opponent, NoOpponent);
    EXPECT_EQ(game.career.Roster[i].WeeksToBout, before.Roster[i].WeeksToBout - 1);
    EXPECT_EQ(game.career.Roster[i].Rank, before.Roster[i].Rank);
  }
  EXPECT_TRUE(game.main.comUpcoming.empty());
}

TEST_F(BookingTest, AcceptedChallengeIsFoughtInTheSixthAdvance) {
  ChallengeFromFour();
  SignChallenge(game);
  EXPECT_EQ(game.main.lblChallenge, "You are fighting Otto Varga.");
  EXPECT_EQ(player.Opponent, 4);
  EXPECT_EQ(game.career.Roster[4].Opponent, 0);
  EXPECT_EQ(player.WeeksToBout, 6);
  EXPECT_EQ(game.career.Roster[4].WeeksToBout, 6);
  EXPECT_FALSE(game.main.cmdSignVisible);
  EXPECT_FALSE(game.main.cmdRejectVisible);
  EXPECT_TRUE(game.main.cmbBoxersEnabled);
  EXPECT_TRUE(game.main.frameArrangeEnabled);
  EXPECT_FALSE(game.main.frameAgreeEnabled);
  EXPECT_EQ(game.main.comUpcoming, (std::vector<std::string>{"Sam vs Otto Varga in 6 week(s)"}));

  for (int week = 1; week <= 5; ++week) QuietWeek();
  EXPECT_EQ(t.screen.fightsShown, 0);
  EXPECT_EQ(player.WeeksToBout, 1);

  PushDraw(t.random, 1, 9);
  PushPlayerBout(t.random, game, 4);
  PushRivalTraining(t.random);
  NextWeek(game);
  EXPECT_EQ(t.screen.fightsShown, 1);
  EXPECT_EQ(game.main.lblChallenge, "You are not fighting anyone");
  EXPECT_EQ(player.Opponent, NoOpponent);
  EXPECT_TRUE(t.random.values.empty());
}

TEST_F(BookingTest, RefusedChallengeLeavesBothFree) {
  ChallengeFromFour();
  RejectChallenge(game);
  EXPECT_EQ(game.main.lblChallenge, "You are not fighting anyone");
  for (const int boxer : {0, 4}) {
    EXPECT_EQ(game.career.Roster[boxer].Opponent, NoOpponent);
    EXPECT_EQ(game.career.Roster[boxer].WeeksToBout, 1000);
  }
  EXPECT_FALSE(game.main.cmdSignVisible);
  EXPECT_TRUE(game.main.frameArrangeEnabled);
  EXPECT_TRUE(game.main.comUpcoming.empty());
}

TEST_F(BookingTest, UnansweredChallengeLapsesWhenTheWeekAdvances) {
  ChallengeFromFour();
  // A rival bout drawn next week reuses MatchA and MatchB.
  PushDraw(t.random, 2, 3);
  PushRivalTraining(t.random);
  NextWeek(game);
  EXPECT_FALSE(game.booking.ChallengePending);
  EXPECT_EQ(game.main.lblChallenge, "No one wants to fight you.");
  EXPECT_TRUE(game.main.frameArrangeEnabled);
  EXPECT_TRUE(game.main.cmbBoxersEnabled);
  EXPECT_FALSE(game.main.frameAgreeEnabled);
  EXPECT_FALSE(game.main.cmdSignVisible);
  EXPECT_FALSE(game.main.cmdRejectVisible);

  const Career before = game.career;
  const auto upcoming = game.main.comUpcoming;
  SignChallenge(game);
  RejectChallenge(game);
  EXPECT_EQ(game.career, before);
  EXPECT_EQ(game.main.comUpcoming, upcoming);
  EXPECT_EQ(game.main.lblChallenge, "No one wants to fight you.");
}

TEST_F(BookingTest, AnswerActsOnTheLatestChallenger) {
  ChallengeFromFour();
  PushDraw(t.random, 6, 0);  // the rank-6 neighbour below challenges the next week
  PushRivalTraining(t.random);
  NextWeek(game);
  EXPECT_EQ(game.main.lblChallenge, "Rafe Calder challenges you to a fight");
  SignChallenge(game);
  EXPECT_EQ(player.Opponent, 6);
  EXPECT_EQ(game.career.Roster[4].Opponent, NoOpponent);
}

TEST_F(BookingTest, ArrangingLapsesAPendingChallenge) {
  ChallengeFromFour();
  Arrange(6);
  EXPECT_FALSE(game.booking.ChallengePending);
  EXPECT_EQ(player.Opponent, 6);
  EXPECT_EQ(game.main.lblChallenge, "You are fighting Rafe Calder");
  EXPECT_FALSE(game.main.cmdSignVisible);
  SignChallenge(game);
  EXPECT_EQ(game.career.Roster[4].Opponent, NoOpponent);
}

}  // namespace
}  // namespace ringvale::test
