#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>

#include "TestGame.h"
#include "modSetFights.h"

namespace ringvale::test {
namespace {

constexpr int Careers = 50;
constexpr int CareerWeeks = 520;

// A new career: the player at the bottom, nine rivals in a shuffled order, nobody ever booked.
void NewCareer(Game& game, std::mt19937& choices) {
  game.career = Career{};
  game.career.Week = 1;
  game.career.Money = 20000;
  std::array<int, 9> ranks{0, 1, 2, 3, 4, 5, 6, 7, 8};
  std::shuffle(ranks.begin(), ranks.end(), choices);
  auto between = [&](int low, int high) {
    return std::uniform_int_distribution(low, high)(choices);
  };
  game.career.Roster[0] = {"Sam", 90, 108, 86, 0, 0, 0, 0, 9, 0, NoOpponent};
  for (int i = 1; i < RosterSize; ++i) {
    game.career.Roster[i] = {"Rival " + std::to_string(i),
                             between(86, 100),
                             between(90, 117),
                             between(60, 81),
                             0,
                             0,
                             0,
                             0,
                             ranks[i - 1],
                             0,
                             NoOpponent};
  }
}

// Whatever failed, as text, or "" when the career is sound.
std::string Broken(const Game& game, std::array<bool, RosterSize>& everBooked) {
  const auto& roster = game.career.Roster;
  std::array<int, RosterSize> holders{};
  for (int i = 0; i < RosterSize; ++i) {
    const auto& boxer = roster[i];
    if (boxer.Rank < 0 || boxer.Rank >= RosterSize) return "rank out of range";
    ++holders[boxer.Rank];
    const int opponent = boxer.Opponent;
    if (opponent == NoOpponent) {
      if (everBooked[i] && boxer.WeeksToBout <= 0) return "free boxer counted down to 0";
      continue;
    }
    everBooked[i] = true;
    if (opponent < 0 || opponent >= RosterSize || opponent == i) return "bad opponent";
    if (roster[opponent].Opponent != i) return "booking not mutual";
    if (roster[opponent].WeeksToBout != boxer.WeeksToBout) return "unequal counts";
    if (boxer.WeeksToBout < 1 || boxer.WeeksToBout > 6) return "count out of 1..6";
  }
  if (std::count(holders.begin(), holders.end(), 1) != RosterSize) return "ranks not a permutation";
  if (game.bout.Fighting) return "bout left open";
  return "";
}

// Every bout is fought round by round to its end (the recording screen's default).
TEST(CareerSoakTest, FiftyCareersKeepRankingsAndBookingsWholeEveryWeek) {
  int playerBouts = 0, challenges = 0, retirements = 0;
  for (int seed = 1; seed <= Careers; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TempFolder folder;
    SeededRandom random(seed);
    RecordingScreen screen;
    Game game(screen, random, folder.Path());
    screen.game = &game;
    std::mt19937 choices(seed);
    NewCareer(game, choices);
    std::array<bool, RosterSize> everBooked{};

    int weeks = 0;
    while (game.career.Year < 10) {
      ASSERT_LT(weeks++, CareerWeeks);
      game.main.focus = std::array{Focus::Power, Focus::Speed, Focus::Rest}[choices() % 3];
      if (choices() % 4 == 0) {
        const int rank = game.career.Player().Rank;
        ArrangeBout(game, std::uniform_int_distribution(rank - 2, rank + 2)(choices));
      } else {
        NextWeek(game);
      }
      ASSERT_EQ(Broken(game, everBooked), "") << "week " << weeks;
      if (game.booking.ChallengePending) {
        ++challenges;
        choices() % 2 == 0 ? SignChallenge(game) : RejectChallenge(game);
        ASSERT_EQ(Broken(game, everBooked), "") << "answer in week " << weeks;
      }
    }
    EXPECT_EQ(weeks, CareerWeeks);
    EXPECT_FALSE(screen.frozen);
    EXPECT_EQ(screen.fightsShown, screen.fightsClosed);
    playerBouts += screen.fightsShown;
    retirements += static_cast<int>(
        std::count_if(screen.messages.begin(), screen.messages.end(),
                      [](const Shown& shown) { return shown.title == "Retire from Sport"; }));
  }
  // The careers did what careers do.
  EXPECT_EQ(retirements, Careers);
  EXPECT_GT(playerBouts, Careers * 10);
  EXPECT_GT(challenges, Careers);
}

}  // namespace
}  // namespace ringvale::test
