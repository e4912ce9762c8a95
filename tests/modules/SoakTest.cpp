// Whole careers played by an automatic player, checking after every week what must always hold.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <tuple>

#include "AutoPlayer.h"
#include "MemoryFolder.h"
#include "TestGame.h"
#include "modEvents.h"
#include "modFile.h"

namespace ringvale::test {
namespace {

constexpr int CareersPerShard = 50;  // four shards: 200 careers
constexpr int WeeksPerCareer = 520;
constexpr int SaveEvery = 13;

// "" when the week left the career sound, else what broke.
std::string WeekProblem(const Game& game) {
  const auto& roster = game.career.Roster;
  std::array<int, RosterSize> holders{};
  for (const auto& boxer : roster)
    if (boxer.Rank < 0 || boxer.Rank >= RosterSize || ++holders[boxer.Rank] > 1)
      return "ranks are not a permutation: " + boxer.Name + " holds " + std::to_string(boxer.Rank);
  for (int i = 0; i < RosterSize; ++i) {
    const auto& boxer = roster[i];
    const int opponent = boxer.Opponent;
    // A free boxer's 0 is a new rival who has never fought, which the countdown passes over; 1
    // would stage a bout without an opponent next week.
    if (opponent == NoOpponent && boxer.WeeksToBout == 1)
      return boxer.Name + " is free but counts down to a bout";
    if (opponent == NoOpponent) continue;
    if (opponent < 0 || opponent >= RosterSize || opponent == i)
      return boxer.Name + " is booked against " + std::to_string(opponent);
    if (roster[opponent].Opponent != i || roster[opponent].WeeksToBout != boxer.WeeksToBout ||
        boxer.WeeksToBout < 1 || boxer.WeeksToBout > 6)
      return boxer.Name + "'s booking is not mutual or is due in " +
             std::to_string(boxer.WeeksToBout) + " weeks";
  }
  if (game.career.Player().Speed > 100)
    return "the player's speed is " + std::to_string(game.career.Player().Speed);
  if (game.career.Year < 10 && (game.career.Week < 1 || game.career.Week > 52))
    return "week " + std::to_string(game.career.Week);
  return "";
}

// What the main window shows of the career.
auto Shows(const MainWindow& w) {
  return std::tie(w.lblWeeks, w.frmBoxer, w.lblStrength, w.lblWeight, w.lblSpeed, w.lblWins,
                  w.lblLosses, w.lblKO, w.lblDraws, w.lblMoney, w.lblChamp, w.lstRanks, w.cmbBoxers,
                  w.comUpcoming, w.proPower, w.proSpeed);
}

// A save loaded straight back changes nothing, shows nothing, and saves the same bytes again.
void ExpectSaveLoadsBack(Game& game, const RecordingScreen& screen) {
  const std::size_t shown = screen.messages.size();
  SaveCareer(game);
  const std::filesystem::path path = game.career.CareerPath;
  const std::string saved = ReadBytes(path);
  const Career career = game.career;
  const MainWindow window = game.main;
  LoadBoxer(game, path);
  ASSERT_EQ(game.career, career);
  EXPECT_EQ(Shows(game.main), Shows(window));
  SaveCareer(game);
  ASSERT_EQ(ReadBytes(path), saved);
  ASSERT_EQ(screen.messages.size(), shown) << screen.messages.back().prompt;
}

void PlayCareer(unsigned seed, std::map<std::string, int>& totals) {
  SCOPED_TRACE("career seed " + std::to_string(seed));
  MemoryFolder folder;
  SeededRandom random(seed);
  RecordingScreen screen;
  Game game(screen, random, folder.Path());
  screen.inputs.push_back("Soak " + std::to_string(seed));
  NewBoxer(game);
  ASSERT_TRUE(game.career.IsLoaded());
  AutoPlayer player(game, screen, seed);

  int week = 0;
  bool champion = false;
  try {
    for (; week < WeeksPerCareer; ++week) {
      SCOPED_TRACE("week " + std::to_string(week + 1));
      player.AnswerChallenge();
      if (week % SaveEvery == 0) ExpectSaveLoadsBack(game, screen);
      if (::testing::Test::HasFatalFailure()) return;
      player.PlayWeek();
      ASSERT_EQ(WeekProblem(game), "");
      champion = champion || game.career.Player().Rank == 0;
    }
  } catch (const OverflowError&) {
    FAIL() << "Overflow in week " << week + 1;
  }
  EXPECT_EQ(game.career.Year, 10);
  const Shown retired{"Body injuries have taken their toll, you are forced to retire",
                      "Retire from Sport"};
  EXPECT_EQ(std::count(screen.messages.begin(), screen.messages.end(), retired), 1);

  // The high-score file is there, reads without complaint and is richest first.
  ASSERT_TRUE(std::filesystem::exists(folder.Path() / HallFileName));
  bool damaged = false;
  const HallTable hall = ReadHallOfFame(game, &damaged);
  EXPECT_FALSE(damaged);
  EXPECT_TRUE(std::is_sorted(hall.begin(), hall.end(),
                             [](const auto& a, const auto& b) { return a.Fortune > b.Fortune; }));

  for (const auto& [what, count] : player.did) totals[what] += count;
  totals["bout"] += screen.fightsShown;
  totals["champion"] += champion;
  totals["induction"] += static_cast<int>(std::count(
      screen.messages.begin(), screen.messages.end(),
      Shown{"You have been inducted into the hall of fame, Congratulations!", "Hall of Fame"}));
}

class SoakTest : public ::testing::TestWithParam<int> {};

TEST_P(SoakTest, CareersRunTenYearsKeepingTheRosterSoundAndRetire) {
  std::map<std::string, int> totals;
  for (int career = 0; career < CareersPerShard && !HasFatalFailure(); ++career)
    PlayCareer(static_cast<unsigned>(GetParam() * CareersPerShard + career + 1), totals);
  // The careers went everywhere the player can: a soak that never fought proves nothing.
  EXPECT_GT(totals["bout"], CareersPerShard);
  std::printf("shard %d:", GetParam());
  for (const char* what : {"accepted", "rejected", "arranged", "bout", "round", "dive",
                           "retirement", "champion", "induction"}) {
    EXPECT_GT(totals[what], 0) << what;
    std::printf(" %d %s,", totals[what], what);
  }
  std::printf("\n");
}

INSTANTIATE_TEST_SUITE_P(Shards, SoakTest, ::testing::Range(0, 4));

}  // namespace
}  // namespace ringvale::test
