#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "TestGame.h"
#include "WeekSetup.h"
#include "modBoxer.h"

namespace ringvale::test {
namespace {

using Qualities = std::array<int, 3>;  // Strength, Weight, Speed

Qualities Of(const RosterEntry& boxer) {
  return {boxer.Strength, boxer.Weight, boxer.Speed};
}

void Set(RosterEntry& boxer, const Qualities& q) {
  boxer.Strength = q[0];
  boxer.Weight = q[1];
  boxer.Speed = q[2];
}

class TrainingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpCareer(game);
    game.main = MainWindow{};  // the Training tab as the window opens: Power, P1
  }
  TestGame t;
  Game& game = t.game;
};

template <typename FocusValue>
struct Week {
  Qualities start;
  FocusValue focus;
  Qualities after;
};

TEST_F(TrainingTest, PlayerWeekByFocusWithItsFloorsAndCeilings) {
  const Week<Focus> weeks[] = {
      {{90, 100, 70}, Focus::Power, {92, 100, 69}},
      {{90, 100, 45}, Focus::Speed, {90, 99, 54}},
      {{90, 120, 70}, Focus::Rest, {89, 121, 69}},
      {{90, 119, 70}, Focus::Rest, {89, 122, 69}},
      {{99, 100, 70}, Focus::Power, {101, 100, 69}},
      {{101, 100, 69}, Focus::Power, {100, 100, 68}},
      {{90, 100, 99}, Focus::Speed, {90, 99, 101}},
      {{90, 100, 100}, Focus::Speed, {90, 99, 100}},
      // Floors come before the focus, so a week of rest can end below them and the next week
      // lifts Strength to 82 and Speed to 52 before resting again.
      {{81, 100, 51}, Focus::Rest, {80, 103, 50}},
      {{80, 103, 50}, Focus::Rest, {81, 106, 51}},
      {{40, 70, 20}, Focus::Power, {84, 82, 51}},
      {{90, 81, 70}, Focus::Speed, {90, 80, 72}},
      {{90, 80, 70}, Focus::Speed, {90, 81, 72}},
  };
  for (const auto& week : weeks) {
    Set(game.career.Player(), week.start);
    game.main.focus = week.focus;
    TrainPlayer(game);
    EXPECT_EQ(Of(game.career.Player()), week.after) << &week - weeks;
  }
}

TEST_F(TrainingTest, RivalWeekByDrawnFocus) {
  const Week<double> weeks[] = {
      {{90, 100, 70}, PowerFocus, {92, 100, 69}},
      {{90, 100, 70}, SpeedFocus, {90, 98, 72}},
      {{90, 100, 70}, RestFocus, {89, 104, 69}},
      // Speed week: a Weight of 80 is lifted to 82 first, one of 81 is not.
      {{90, 80, 70}, SpeedFocus, {90, 80, 72}},
      {{90, 81, 70}, SpeedFocus, {90, 79, 72}},
      {{80, 120, 50}, RestFocus, {81, 122, 51}},
      {{90, 119, 70}, RestFocus, {89, 123, 69}},
      // No floors before a rival's focus: a worn rival training power keeps a low Weight.
      {{70, 60, 40}, PowerFocus, {72, 60, 51}},
      // 2 x 0.75 = 1.5 rounds to 2, rest; 2 x 0.7499 rounds to 1, speed.
      {{90, 100, 70}, 0.75, {89, 104, 69}},
      {{90, 100, 70}, 0.7499, {90, 98, 72}},
  };
  for (const auto& week : weeks) {
    Set(game.career.Roster[3], week.start);
    t.random.Push({week.focus});
    TrainRival(game, 3);
    EXPECT_EQ(Of(game.career.Roster[3]), week.after) << &week - weeks;
  }
  EXPECT_EQ(t.random.reseeds, int(std::size(weeks)));
}

}  // namespace
}  // namespace ringvale::test
