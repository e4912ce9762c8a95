#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "TestGame.h"
#include "WeekSetup.h"
#include "modBoxer.h"

namespace ringvale::test {
namespace {

struct Qualities {
  int Strength, Weight, Speed;
  bool operator==(const Qualities&) const = default;
};

Qualities Of(const RosterEntry& boxer) {
  return {boxer.Strength, boxer.Weight, boxer.Speed};
}

void Set(RosterEntry& boxer, Qualities q) {
  boxer.Strength = q.Strength;
  boxer.Weight = q.Weight;
  boxer.Speed = q.Speed;
}

void PrintTo(const Qualities& q, std::ostream* out) {
  *out << q.Strength << "/" << q.Weight << "/" << q.Speed;
}

class TrainingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpCareer(game);
    game.main = MainWindow{};  // the Training tab as the window opens: Power, P1
  }
  Qualities TrainPlayerFrom(Qualities start, Focus focus, int weeks = 1) {
    Set(game.career.Player(), start);
    game.main.focus = focus;
    for (int week = 0; week < weeks; ++week) TrainPlayer(game);
    return Of(game.career.Player());
  }
  Qualities TrainRivalFrom(Qualities start, double focusValue) {
    Set(game.career.Roster[3], start);
    t.random.Push({focusValue});
    TrainRival(game, 3);
    return Of(game.career.Roster[3]);
  }
  TestGame t;
  Game& game = t.game;
};

TEST_F(TrainingTest, PlayerWeekByFocus) {
  EXPECT_EQ(TrainPlayerFrom({90, 100, 70}, Focus::Power), (Qualities{92, 100, 69}));
  EXPECT_EQ(TrainPlayerFrom({90, 100, 45}, Focus::Speed), (Qualities{90, 99, 54}));
  EXPECT_EQ(TrainPlayerFrom({90, 120, 70}, Focus::Rest), (Qualities{89, 121, 69}));
  EXPECT_EQ(TrainPlayerFrom({90, 119, 70}, Focus::Rest), (Qualities{89, 122, 69}));
  EXPECT_EQ(TrainPlayerFrom({99, 100, 70}, Focus::Power), (Qualities{101, 100, 69}));
  EXPECT_EQ(TrainPlayerFrom({99, 100, 70}, Focus::Power, 2), (Qualities{100, 100, 68}));
  EXPECT_EQ(TrainPlayerFrom({90, 100, 99}, Focus::Speed), (Qualities{90, 99, 101}));
  EXPECT_EQ(TrainPlayerFrom({90, 100, 100}, Focus::Speed), (Qualities{90, 99, 100}));
}

TEST_F(TrainingTest, PlayerFloorsComeBackTheWeekAfter) {
  EXPECT_EQ(TrainPlayerFrom({81, 100, 51}, Focus::Rest), (Qualities{80, 103, 50}));
  // Step one lifts Strength to 82 and Speed to 52 before resting takes one off each.
  TrainPlayer(game);
  EXPECT_EQ(Of(game.career.Player()), (Qualities{81, 106, 51}));
  // The floors hold whatever the focus: a battered boxer training power.
  EXPECT_EQ(TrainPlayerFrom({40, 70, 20}, Focus::Power), (Qualities{84, 82, 51}));
  EXPECT_EQ(TrainPlayerFrom({90, 81, 70}, Focus::Speed), (Qualities{90, 80, 72}));
  EXPECT_EQ(TrainPlayerFrom({90, 80, 70}, Focus::Speed), (Qualities{90, 81, 72}));
}

TEST_F(TrainingTest, RivalWeekByDrawnFocus) {
  EXPECT_EQ(TrainRivalFrom({90, 100, 70}, PowerFocus), (Qualities{92, 100, 69}));
  EXPECT_EQ(TrainRivalFrom({90, 100, 70}, SpeedFocus), (Qualities{90, 98, 72}));
  EXPECT_EQ(TrainRivalFrom({90, 100, 70}, RestFocus), (Qualities{89, 104, 69}));
  // Speed week: a Weight of 80 is lifted to 82 first, one of 81 is not.
  EXPECT_EQ(TrainRivalFrom({90, 80, 70}, SpeedFocus), (Qualities{90, 80, 72}));
  EXPECT_EQ(TrainRivalFrom({90, 81, 70}, SpeedFocus), (Qualities{90, 79, 72}));
  // Rest at the top and bottom of the bounds.
  EXPECT_EQ(TrainRivalFrom({80, 120, 50}, RestFocus), (Qualities{81, 122, 51}));
  EXPECT_EQ(TrainRivalFrom({90, 119, 70}, RestFocus), (Qualities{89, 123, 69}));
  // No floors before a rival's focus: a worn rival training power keeps a low Weight.
  EXPECT_EQ(TrainRivalFrom({70, 60, 40}, PowerFocus), (Qualities{72, 60, 51}));
  EXPECT_EQ(t.random.reseeds, 8);
}

TEST_F(TrainingTest, RivalFocusHalvesGoToEven) {
  // 2 x 0.75 = 1.5 rounds to 2, rest; 2 x 0.7499 rounds to 1, speed.
  EXPECT_EQ(TrainRivalFrom({90, 100, 70}, 0.75), (Qualities{89, 104, 69}));
  EXPECT_EQ(TrainRivalFrom({90, 100, 70}, 0.7499), (Qualities{90, 98, 72}));
}

// The pictures showing, as "P3" or "S5"; several when more than one shows.
std::vector<std::string> Showing(const MainWindow& main) {
  std::vector<std::string> showing;
  for (int k = 0; k < PowerFrames; ++k) {
    if (main.imgPVisible[k]) showing.push_back(std::string("P").append(std::to_string(k + 1)));
  }
  for (int k = 0; k < SpeedFrames; ++k) {
    if (main.imgSVisible[k]) showing.push_back(std::string("S").append(std::to_string(k + 1)));
  }
  return showing;
}

using Pictures = std::vector<std::string>;

TEST_F(TrainingTest, PowerCycleShowsFivePicturesIn400Ms) {
  MainWindow& main = game.main;
  EXPECT_EQ(Showing(main), Pictures{"P1"});
  EXPECT_EQ(5 * PunchIntervalMs, 400);
  for (const char* expected : {"P2", "P3", "P4", "P5", "P1", "P2"}) {
    TickPunch(game);
    EXPECT_EQ(Showing(main), Pictures{expected});
  }
}

TEST_F(TrainingTest, SpeedCycleShowsSevenPicturesIn560MsAndRestStopsIt) {
  MainWindow& main = game.main;
  TickPunch(game);
  TickPunch(game);  // power bag on P3
  ClickSpeed(game);
  EXPECT_EQ(main.focus, Focus::Speed);
  EXPECT_EQ(main.PunchFrame, 1);
  EXPECT_EQ(Showing(main), Pictures{"S1"});
  EXPECT_EQ(7 * PunchIntervalMs, 560);
  for (const char* expected : {"S2", "S3", "S4", "S5", "S6", "S7", "S1", "S2", "S3"}) {
    TickPunch(game);
    EXPECT_EQ(Showing(main), Pictures{expected});
  }
  ClickRest(game);
  TickPunch(game);
  EXPECT_EQ(main.PunchFrame, 0);
  EXPECT_EQ(Showing(main), Pictures{"S3"});
  TickPunch(game);
  EXPECT_EQ(Showing(main), Pictures{"S3"});

  ClickPower(game);
  EXPECT_EQ(main.focus, Focus::Power);
  EXPECT_EQ(Showing(main), Pictures{"P1"});
  TickPunch(game);
  EXPECT_EQ(Showing(main), Pictures{"P2"});
}

TEST_F(TrainingTest, ClickingTheRunningCycleRestartsItOnTheFirstPicture) {
  TickPunch(game);
  TickPunch(game);
  ClickPower(game);
  EXPECT_EQ(Showing(game.main), Pictures{"P1"});
  TickPunch(game);
  EXPECT_EQ(Showing(game.main), Pictures{"P2"});
}

}  // namespace
}  // namespace ringvale::test
