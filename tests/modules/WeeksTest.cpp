// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A week of the career: bookings and challenges, and training; and Next Event and Fight On,
// which press Next Week and Next Round for the player until something happens.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "CareerFiles.h"
#include "Random.h"
#include "WeekSetup.h"
#include "modBoxer.h"

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
  // Next Week with these boxers drawn, or Challenge / Next Week with a place selected; then
  // rival bouts in which no punch lands, and every rival trains speed. Rival 4 (place 4, next
  // above the player) drawn against the player challenges him.
  void Week(const std::vector<int>& drawn, int selected = -1, int rivalBouts = 0) {
    t.random.values.clear();  // draws left by an earlier step are not this week's
    for (const int index : drawn) PushDraw(t.random, index);
    for (int bout = 0; bout < rivalBouts; ++bout) PushRivalsBout(t.random);
    PushRivalTraining(t.random);
    selected < 0 ? NextWeek(game) : ArrangeBout(game, selected);
  }
  TestGame t;
  Game& game = t.game;
};

TEST_F(BookingTest, WithoutACareerOrAfterTheLastYearNoButtonDoesAnything) {
  game.career.Year = RetirementYear;
  for (const Career& career : {game.career, Career{}}) {
    game.career = career;
    NextWeek(game);
    NextEvent(game);
    ArrangeBout(game, 4);
    EXPECT_EQ(game.career, career);
  }
  SaveCareer(game);
  EXPECT_TRUE(Snapshot(t.folder.Path()).empty());
  const Shown noBoxer{"No boxer loaded!!", "Uh-oh!"};
  const Shown retired{"Sam has retired. Start a new boxer or load another career.", "Ringvale"};
  EXPECT_EQ(t.screen.messages,
            (std::vector<Shown>{retired, retired, retired, noBoxer, noBoxer, noBoxer, noBoxer}));
  EXPECT_EQ(t.random.draws, 0);
  EXPECT_EQ(t.screen.freezes, 4);
}

// While a challenge is open, accepting books both boxers for six weeks and refusing frees both at
// 1000. Once either is booked, or they are no longer neighbours, an answer is refused. A
// challenge lapses with its week, since the next draw reuses MatchA and MatchB, and ends with its
// career (New or a Load, the forced retirement): an answer then does nothing at all.
TEST_F(BookingTest, AChallengeCanBeAnsweredOnlyWhileItIsOpen) {
  const std::vector<Shown> refused{{"That challenge is no longer open.", "Ringvale"}};
  const std::vector<int> nextDraw{2, 3};  // a rival bout
  // What comes between the challenge and the answers (none: the challenge's week ends the
  // career), whether to accept first, what the answers say, and the label after them.
  const std::tuple<std::function<void()>, bool, std::vector<Shown>, std::string> cases[] = {
      {[&] { Book(game, 4, 3, 2); }, true, refused, "No one wants to fight you."},
      {[&] { Book(game, 0, 6, 2); }, false, refused, "You are fighting Rafe Calder"},
      {[&] { SwapRanks(game, 4, 1); }, true, refused, "No one wants to fight you."},
      {[&] { NewBoxer(game); }, true, {}, "No one wants to fight you."},
      {[&] { Week(nextDraw); }, true, {}, "No one wants to fight you."},
      {nullptr, true, {}, "No one wants to fight you."}};
  for (const auto& [act, signFirst, answered, lblChallenge] : cases) {
    game.career = Career{};
    SetUp();
    if (!act) game.career.Year = 9, game.career.Week = 52;
    Week({4, 0});
    t.screen.inputs = {"Sam"};
    t.random.values = {0.2};  // New's line-up
    if (act) act();
    SCOPED_TRACE(lblChallenge + (signFirst ? ", accepted first" : ""));
    const Career before = game.career;
    t.screen.messages.clear();
    signFirst ? SignChallenge(game) : RejectChallenge(game);
    signFirst ? RejectChallenge(game) : SignChallenge(game);
    EXPECT_EQ(t.screen.messages, answered);
    EXPECT_EQ(game.career, before);
    EXPECT_EQ(game.main.lblChallenge, lblChallenge);
    EXPECT_EQ(Controls(game.main), Arranging);
  }
  for (const auto answer : {SignChallenge, RejectChallenge}) {
    SetUp();
    Week({4, 0});
    answer(game);
    const auto& boxers = game.career.Roster;
    EXPECT_EQ(std::tuple(int(boxers[0].Opponent), int(boxers[4].Opponent),
                         int(boxers[0].WeeksToBout), int(boxers[4].WeeksToBout)),
              answer == SignChallenge ? std::tuple(4, 0, 6, 6) : std::tuple(100, 100, 1000, 1000));
  }
}

// A week books two free rivals next to each other in the ranking, or brings the challenge of the
// free player's free neighbour (a player drawn first is drawn again); Challenge / Next Week books
// the player's free neighbour or says why not. Each bout is listed once, lower index first, and
// counted down: Bram Kestovic and Otto Varga, due this week, end it free, the one counted down
// after the bout at 999. A boxer never booked stays at 0. Every rival trains, Ivo Marchetti too.
TEST_F(BookingTest, AWeekBooksOnlyFreeNeighboursAndFreesThePairsItFights) {
  // The boxers drawn or the place selected, and the new bout listed, the challenge or what is
  // said instead ("" for nothing).
  const std::tuple<std::vector<int>, int, std::string> cases[] = {
      {{1, 2}, -1, "Ivo Marchetti vs Deacon Flint in 5 week(s)"},
      {{6, 8}, -1, ""},
      {{2, 3}, -1, ""},
      {{0, 2, 1}, -1, "Ivo Marchetti vs Deacon Flint in 5 week(s)"},
      {{6, 0}, -1, "Rafe Calder challenges you to a fight"},
      {{}, 6, "Sam vs Rafe Calder in 5 week(s)"},
      {{}, 4, "Boxer is busy"},
      {{}, 5, "Don't play with yourself"},
      {{}, 3, "Too much of a skill difference"}};
  for (const auto& [drawn, selected, shown] : cases) {
    SCOPED_TRACE(shown);
    SetUp();
    t.screen.messages.clear();
    Book(game, 3, 4, 1);
    game.career.Roster[9].WeeksToBout = 0;
    Week(drawn, selected, 1);
    const bool booked = shown.ends_with("week(s)"), challenged = shown.ends_with("fight");
    EXPECT_EQ(game.main.comUpcoming, booked ? std::vector{shown} : std::vector<std::string>{});
    EXPECT_EQ(Controls(game.main), challenged ? Challenged : Arranging);
    std::vector<std::string> said, expected{"Bram Kestovic has drawn with Otto Varga"};
    for (const Shown& message : t.screen.messages) said.push_back(message.prompt);
    if (selected >= 0)
      expected.insert(expected.begin(), booked ? "The fight has been arranged" : shown);
    EXPECT_EQ(said, expected);
    EXPECT_EQ(game.career.Week, 11);
    const auto& boxers = game.career.Roster;
    EXPECT_EQ(std::tuple(int(boxers[3].WeeksToBout), int(boxers[4].WeeksToBout),
                         int(boxers[9].WeeksToBout), int(boxers[1].Weight)),
              std::tuple(1000, 999, 0, 99));
  }
}

// A week of training raises one quality and costs others. A quality at or past a limit is first
// set two inside it, and the player's week first lifts what a bout left at a floor.
TEST(Training, EachFocusRaisesOneQualityAtTheCostOfOthersWithinTheLimits) {
  using Qualities = std::array<int, 3>;  // Strength, Weight, Speed
  // The focus, whether a rival trains it, the qualities before and after.
  using enum Focus;
  const std::tuple<Focus, bool, Qualities, Qualities> cases[] = {
      {Power, false, {90, 100, 70}, {92, 100, 69}}, {Power, false, {100, 80, 50}, {100, 82, 51}},
      {Speed, false, {90, 100, 45}, {90, 99, 54}},  {Rest, false, {81, 119, 51}, {80, 122, 50}},
      {Rest, false, {80, 120, 50}, {81, 121, 51}},  {Power, true, {100, 100, 50}, {100, 100, 51}},
      {Speed, true, {90, 80, 70}, {90, 80, 72}},    {Speed, true, {90, 81, 100}, {90, 79, 100}},
      {Rest, true, {80, 120, 50}, {81, 122, 51}}};
  for (const auto& [focus, rival, before, after] : cases) {
    TestGame t;
    RosterEntry& boxer = t.game.career.Roster[rival ? 1 : 0];
    boxer.Strength = before[0], boxer.Weight = before[1], boxer.Speed = before[2];
    t.game.main.focus = focus;
    t.random.Push({0.2 + 0.3 * int(focus)});  // a rival's focus: 2 x r rounds to 0, 1 or 2
    rival ? TrainRival(t.game, 1) : TrainPlayer(t.game);
    EXPECT_EQ((Qualities{boxer.Strength, boxer.Weight, boxer.Speed}), after) << before[0];
  }
}

// Each rival's week of training reseeds the game's generator from the clock.
// Reseeds in the same clock tick must not repeat a sequence, and draws stay in [0, 1).
TEST(ClockRandom, DrawsStayInTheUnitIntervalAndReseedsDiffer) {
  ClockRandom random;
  std::set<double> firsts;
  for (int i = 0; i < 1000; ++i) {
    random.Reseed();
    firsts.insert(random.Next());
  }
  EXPECT_EQ(firsts.size(), 1000u);
  EXPECT_TRUE(*firsts.begin() >= 0.0 && *firsts.rbegin() < 1.0);
}

// A career of four presses: two weeks to a rival bout's result, a week that leaves the player's
// bout due, the bout, and two weeks to a challenge (the end of a career is played below). Each
// press is given the draws of its weeks only: a week too many would run out of them.
TEST(NextEvent, StopsAfterTheFirstWeekThatBringsABoxAChallengeOrThePlayersBout) {
  TestGame t;
  SetUpCareer(t.game);
  Book(t.game, 2, 3, 2);
  Book(t.game, 0, 1, 4);
  // Each press's weeks: q quiet, r a rival bout, p the player's bout, c a challenge.
  const std::pair<std::string, std::vector<Shown>> presses[] = {
      {"qr", {{"Deacon Flint has drawn with Bram Kestovic", "Latest Boxing Results"}}},
      {"q", {}},
      {"p",
       {{"Let's get ready to rumble!!!", "Ringvale"},
        {"Sam retains the World HeavyWeight Championship!!", "The Greatest of All Time!"},
        {"Sam has beaten Ivo Marchetti", "Latest Boxing Results"}}},
      {"qc", {}}};
  for (const auto& [weeks, shown] : presses) {
    for (const char week : weeks) {
      PushDraw(t.random, 1, week == 'c' ? 0 : 9);
      if (week == 'r') PushRivalsBout(t.random);
      if (week == 'p') PushPlayersBout(t.random, 0.0, QuietComment, ToTheJudges);
      PushRivalTraining(t.random);
    }
    t.screen.messages.clear();
    const int before = TotalWeeks(t.game.career);
    ASSERT_NO_THROW(NextEvent(t.game));
    EXPECT_EQ(TotalWeeks(t.game.career) - before, int(weeks.size()));
    EXPECT_EQ(t.screen.messages, shown);
  }
}

// A whole career of Next Event and Fight On, against as many presses of Next Week and Next
// Round; between them the player agrees to every challenge and arranges bouts. The last press
// ends at the retirement: one more would show that the career is over.
TEST(NextEvent, PlaysDrawForDrawTheCareerOfNextWeekAndNextRound) {
  SeededGame byEvent(21), byWeek(21);
  for (SeededGame* player : {&byEvent, &byWeek}) {
    player->screen.inputs = {"Sam"};
    NewBoxer(player->game);
  }
  int fightOnPresses = 0;
  byEvent.screen.playFight = [&](Game& fighting) {
    while (byEvent.screen.fightOpen) {
      ++fightOnPresses;
      while (FightOn(fighting)) {
      }
    }
  };
  while (byEvent.game.career.Year < RetirementYear) {
    const int before = TotalWeeks(byEvent.game.career);
    NextEvent(byEvent.game);
    for (int week = before; week < TotalWeeks(byEvent.game.career); ++week) NextWeek(byWeek.game);
    for (SeededGame* player : {&byEvent, &byWeek}) {
      Game& game = player->game;
      if (game.booking.ChallengePending) SignChallenge(game);
      // Free, he books the boxer above him (the champion the one below), which plays a week.
      const RosterEntry& sam = game.career.Player();
      if (sam.Opponent == NoOpponent && game.career.Year < RetirementYear)
        ArrangeBout(game, sam.Rank == 0 ? 1 : int(sam.Rank) - 1);
    }
  }
  EXPECT_EQ(byEvent.screen.messages, byWeek.screen.messages);
  for (SeededGame* player : {&byEvent, &byWeek}) SaveCareer(player->game);
  EXPECT_EQ(Snapshot(byEvent.folder.Path()), Snapshot(byWeek.folder.Path()));  // career and log
  EXPECT_EQ(fightOnPresses, byWeek.screen.fightsShown);                        // one press a bout
}

}  // namespace
}  // namespace ringvale::test
