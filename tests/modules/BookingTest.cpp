#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "CareerFiles.h"
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

TEST_F(BookingTest, ListNamesEachBoutOncePlayersFirst) {
  Book(game, 2, 7, 3);
  Book(game, 0, 3, 5);
  ListUpcomingFights(game);
  EXPECT_EQ(game.main.comUpcoming,
            (std::vector<std::string>{"Sam vs Bram Kestovic in 5 week(s)",
                                      "Deacon Flint vs Tomas Brenn in 3 week(s)"}));
}

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

TEST_F(BookingTest, AcceptedChallengeIsFoughtInTheSixthAdvance) {
  ChallengeFrom(4);
  SignChallenge(game);
  EXPECT_EQ(game.main.lblChallenge, "You are fighting Otto Varga.");
  EXPECT_TRUE(Booked(game, 0, 4, 6));
  EXPECT_EQ(Controls(game.main), Arranging);
  EXPECT_EQ(game.main.comUpcoming, (std::vector<std::string>{"Sam vs Otto Varga in 6 week(s)"}));
  for (int week = 1; week <= 5; ++week) QuietWeek(game, t.random);
  EXPECT_EQ(t.screen.fightsShown, 0);
  EXPECT_TRUE(Booked(game, 0, 4, 1));
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

TEST_F(BookingTest, ALaterChallengeOrArrangementSupersedesThePendingOne) {
  for (const bool arrange : {false, true}) {
    SetUp();
    ChallengeFrom(4);
    arrange ? Arrange(6) : ChallengeFrom(6);  // the rank-6 neighbour below
    EXPECT_EQ(game.booking.ChallengePending, !arrange);
    SignChallenge(game);
    EXPECT_EQ(player.Opponent, 6);
    EXPECT_EQ(game.career.Roster[4].Opponent, NoOpponent);
  }
}

// New, a Load and the forced retirement end a waiting challenge, so no answer can book a bout in
// another career; a Load that fails leaves it waiting.
TEST_F(BookingTest, AWaitingChallengeBelongsToItsCareer) {
  const std::filesystem::path folder = t.folder.Path(), bad = folder / "Bad.box";
  const std::string rocky = Fixture("rocky-year3.box"), badBytes = Replaced(rocky, ",208,", ",0,");
  std::string hall;  // rewritten unchanged by a retirement without a title defence
  for (int row = 0; row < 10; ++row) hall += "\"Champ\",1,9\r\n";
  struct Case {
    std::function<void()> act;  // none: the challenge comes in the last week of year 9
    std::vector<Shown> shown;
    std::string lblChallenge;
    std::map<std::string, std::string> files;
  };
  const Case cases[] = {
      {[&] { NewBoxer(game); },
       {},
       "No one wants to fight you.",
       {{"Sam.box", Fixture("new-sam-lineup0.box")}}},
      {[&] { LoadBoxer(game, folder / "Rocky.box"); }, {}, "You are fighting Bram Kestovic", {}},
      {[&] { LoadBoxer(game, bad); },
       {{Refused(bad) + "Line 1: the week count 0 is not 1 to 572.", "Cannot load boxer"}},
       "Otto Varga challenges you to a fight",
       {{"Bad.box", badBytes}}},
      {nullptr,
       {{"Body injuries have taken their toll, you are forced to retire", "Retire from Sport"}},
       "No one wants to fight you.",
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    WriteBytes(folder / "Rocky.box", rocky);
    WriteBytes(folder / HallFileName, hall);
    if (c.files.contains("Bad.box")) WriteBytes(bad, badBytes);
    game.career = Career{};
    game.main = MainWindow{};
    SetUp();
    t.random.values.clear();
    t.screen.messages.clear();
    if (!c.act) game.career.Year = 9, game.career.Week = 52;
    ChallengeFrom(4);
    const Career before = game.career;
    t.screen.inputs = {"Sam"};
    t.random.Push({0.2});  // New's line-up
    if (c.act) c.act();
    auto files = c.files;
    files.insert({{"Rocky.box", rocky}, {HallFileName, hall}});
    const bool waiting = c.lblChallenge.ends_with("challenges you to a fight");
    EXPECT_EQ(t.screen.messages, c.shown);
    EXPECT_EQ(game.main.lblChallenge, c.lblChallenge);
    EXPECT_EQ(Controls(game.main), waiting ? Challenged : Arranging);
    EXPECT_EQ(Snapshot(folder), files);
    if (waiting) {
      EXPECT_EQ(game.career, before);
      continue;
    }
    // Neither answer books anything now, in memory or on disk.
    const Career after = game.career;
    SignChallenge(game);
    RejectChallenge(game);
    EXPECT_EQ(game.career, after);
    EXPECT_EQ(t.screen.messages, c.shown);
    EXPECT_EQ(Snapshot(folder), files);
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
      EXPECT_EQ(game.main.lblChallenge, player.Opponent == 6 ? "You are fighting Rafe Calder"
                                                             : "No one wants to fight you.");
    }
  }
}

}  // namespace
}  // namespace ringvale::test
