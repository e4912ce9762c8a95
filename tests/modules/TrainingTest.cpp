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

}  // namespace
}  // namespace ringvale::test
