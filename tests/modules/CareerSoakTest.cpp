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
  auto& career = game.career;
  career = Career{};
  career.Week = 1;
  career.Money = 20000;
  std::array<int, 9> ranks{0, 1, 2, 3, 4, 5, 6, 7, 8};
  std::shuffle(ranks.begin(), ranks.end(), choices);
  auto between = [&](int low, int high) {
    return std::uniform_int_distribution(low, high)(choices);
  };
  for (int i = 0; i < RosterSize; ++i) {
    auto& boxer = career.Roster[i];
    boxer.Name = i == 0 ? "Sam" : "Rival " + std::to_string(i);
    boxer.Strength = i == 0 ? 90 : between(86, 100);
    boxer.Weight = i == 0 ? 108 : between(90, 117);
    boxer.Speed = i == 0 ? 86 : between(60, 81);
    boxer.Rank = i == 0 ? 9 : ranks[i - 1];
    boxer.Opponent = NoOpponent;
  }
  game.main = MainWindow{};
  game.booking = Booking{};
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

TEST(CareerSoakTest, FiftyCareersKeepRankingsAndBookingsWholeEveryWeek) {
  int playerBouts = 0, challenges = 0, retirements = 0;
  for (int seed = 1; seed <= Careers; ++seed) {
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
      ASSERT_LT(weeks, CareerWeeks) << "seed " << seed;
      game.main.focus = std::array{Focus::Power, Focus::Speed, Focus::Rest}[choices() % 3];
      if (choices() % 4 == 0) {
        const int rank = game.career.Player().Rank;
        ArrangeBout(game, std::uniform_int_distribution(rank - 2, rank + 2)(choices));
      } else {
        NextWeek(game);
      }
      ++weeks;
      const std::string broken = Broken(game, everBooked);
      ASSERT_EQ(broken, "") << "seed " << seed << " week " << weeks;
      if (game.booking.ChallengePending) {
        ++challenges;
        if (choices() % 2 == 0) {
          SignChallenge(game);
        } else {
          RejectChallenge(game);
        }
        ASSERT_EQ(Broken(game, everBooked), "") << "seed " << seed << " answer " << weeks;
      }
      for (const auto& shown : screen.messages) {
        if (shown.title == "Retire from Sport") ++retirements;
      }
      screen.messages.clear();
    }
    EXPECT_EQ(weeks, CareerWeeks) << "seed " << seed;
    EXPECT_FALSE(screen.frozen);
    playerBouts += screen.fightsShown;
    EXPECT_EQ(screen.fightsShown, screen.fightsClosed);
  }
  // The careers did what careers do.
  EXPECT_EQ(retirements, Careers);
  EXPECT_GT(playerBouts, Careers * 10);
  EXPECT_GT(challenges, Careers);
}

}  // namespace
}  // namespace ringvale::test
