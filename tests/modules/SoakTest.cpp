// Whole careers played by an automatic player, checking after every week what must always hold.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "AutoPlayer.h"
#include "MemoryFolder.h"
#include "RecordFile.h"
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
  for (const auto& boxer : roster) {
    if (boxer.Rank < 0 || boxer.Rank >= RosterSize)
      return boxer.Name + " has rank " + std::to_string(boxer.Rank);
    ++holders[boxer.Rank];
  }
  for (int rank = 0; rank < RosterSize; ++rank)
    if (holders[rank] != 1)
      return std::to_string(holders[rank]) + " boxers hold rank " + std::to_string(rank);

  for (int i = 0; i < RosterSize; ++i) {
    const auto& boxer = roster[i];
    if (boxer.Opponent == NoOpponent) {
      // 0 is a new rival who has never fought, which the countdown passes over; 1 would stage a
      // bout without an opponent next week.
      if (boxer.WeeksToBout == 1) return boxer.Name + " is free but counts down to a bout";
      continue;
    }
    if (boxer.Opponent < 0 || boxer.Opponent >= RosterSize || boxer.Opponent == i)
      return boxer.Name + " is booked against " + std::to_string(boxer.Opponent);
    const auto& opponent = roster[boxer.Opponent];
    if (opponent.Opponent != i) return boxer.Name + "'s booking is not mutual";
    if (opponent.WeeksToBout != boxer.WeeksToBout) return boxer.Name + "'s bout has two dates";
    if (boxer.WeeksToBout < 1 || boxer.WeeksToBout > 6)
      return boxer.Name + "'s bout is due in " + std::to_string(boxer.WeeksToBout) + " weeks";
  }
  if (game.career.Player().Speed > 100)
    return "the player's speed is " + std::to_string(game.career.Player().Speed);
  if (game.career.Year < 10 && (game.career.Week < 1 || game.career.Week > 52))
    return "week " + std::to_string(game.career.Week);
  return "";
}

// What the main window shows of the career must come back with a load of its save.
void ExpectSameWindow(const MainWindow& before, const MainWindow& after) {
  EXPECT_EQ(after.lblWeeks, before.lblWeeks);
  EXPECT_EQ(after.frmBoxer, before.frmBoxer);
  EXPECT_EQ(after.lblStrength, before.lblStrength);
  EXPECT_EQ(after.lblWeight, before.lblWeight);
  EXPECT_EQ(after.lblSpeed, before.lblSpeed);
  EXPECT_EQ(after.lblWins, before.lblWins);
  EXPECT_EQ(after.lblLosses, before.lblLosses);
  EXPECT_EQ(after.lblKO, before.lblKO);
  EXPECT_EQ(after.lblDraws, before.lblDraws);
  EXPECT_EQ(after.lblMoney, before.lblMoney);
  EXPECT_EQ(after.lblChamp, before.lblChamp);
  EXPECT_EQ(after.lstRanks, before.lstRanks);
  EXPECT_EQ(after.cmbBoxers, before.cmbBoxers);
  EXPECT_EQ(after.comUpcoming, before.comUpcoming);
  EXPECT_EQ(after.proPower, before.proPower);
  EXPECT_EQ(after.proSpeed, before.proSpeed);
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
  ExpectSameWindow(window, game.main);
  SaveCareer(game);
  ASSERT_EQ(ReadBytes(path), saved);
  ASSERT_EQ(screen.messages.size(), shown) << screen.messages.back().prompt;
}

// Ten sound lines, richest first.
void ExpectSoundHallOfFame(const std::filesystem::path& path) {
  const std::string text = ReadBytes(path);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10);
  RecordReader reader(text);
  double previous = 0;
  for (int line = 0; line < 10; ++line) {
    EXPECT_FALSE(reader.String().empty());
    EXPECT_GE(reader.Number(), 0);
    const double fortune = reader.Money();
    if (line > 0) {
      EXPECT_LE(fortune, previous) << "line " << line + 1;
    }
    previous = fortune;
    reader.EndLine();
  }
  EXPECT_TRUE(reader.AtEnd());
}

// What one shard's careers did between them.
struct Totals {
  int accepted = 0, rejected = 0, arranged = 0, rounds = 0, dives = 0, retirements = 0;
  int playerBouts = 0, titles = 0, inductions = 0;
};

void PlayCareer(unsigned seed, Totals& totals) {
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
  ExpectSoundHallOfFame(folder.Path() / HallFileName);

  totals.accepted += player.accepted;
  totals.rejected += player.rejected;
  totals.arranged += player.arranged;
  totals.rounds += player.rounds;
  totals.dives += player.dives;
  totals.retirements += player.retirements;
  totals.playerBouts += screen.fightsShown;
  totals.titles += champion;
  totals.inductions += static_cast<int>(std::count(
      screen.messages.begin(), screen.messages.end(),
      Shown{"You have been inducted into the hall of fame, Congratulations!", "Hall of Fame"}));
}

class SoakTest : public ::testing::TestWithParam<int> {};

TEST_P(SoakTest, CareersRunTenYearsKeepingTheRosterSoundAndRetire) {
  Totals totals;
  for (int career = 0; career < CareersPerShard && !HasFatalFailure(); ++career)
    PlayCareer(static_cast<unsigned>(GetParam() * CareersPerShard + career + 1), totals);
  // The careers went everywhere the player can: a soak that never fought proves nothing.
  EXPECT_GT(totals.accepted, 0);
  EXPECT_GT(totals.rejected, 0);
  EXPECT_GT(totals.arranged, 0);
  EXPECT_GT(totals.playerBouts, CareersPerShard);
  EXPECT_GT(totals.rounds, 0);
  EXPECT_GT(totals.dives, 0);
  EXPECT_GT(totals.retirements, 0);
  EXPECT_GT(totals.titles, 0);
  EXPECT_GT(totals.inductions, 0);
  std::printf(
      "shard %d: %d bouts, %d rounds, %d challenges taken, %d refused, %d arranged, %d "
      "dives, %d retired hurt, %d champions, %d inducted\n",
      GetParam(), totals.playerBouts, totals.rounds, totals.accepted, totals.rejected,
      totals.arranged, totals.dives, totals.retirements, totals.titles, totals.inductions);
}

INSTANTIATE_TEST_SUITE_P(Shards, SoakTest, ::testing::Range(0, 4));

}  // namespace
}  // namespace ringvale::test
