// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two costs a player waits for: a whole career played through, and one week's advance.

#include <benchmark/benchmark.h>

#include <string>

#include "AutoPlayer.h"
#include "TestGame.h"
#include "modFile.h"
#include "modSetFights.h"

namespace ringvale::test {
namespace {

// NewBoxer, 520 weeks of an automatic player, the forced retirement and a save of the career
// and its fight log, with the game's own clock-seeded generator. The folder is in memory: this
// measures the game, not the disk.
void WholeCareer(benchmark::State& state) {
  TempFolder folder;
  ClockRandom random;
  RecordingScreen screen;
  Game game(screen, random, folder.Path());
  unsigned seed = 1;
  for (auto _ : state) {
    screen.messages.clear();
    screen.inputs.push_back("Bench");
    screen.answers.push_back(true);  // replaces the career of the run before
    NewBoxer(game);
    AutoPlayer player(game, screen, seed++);
    for (int week = 0; week < 520; ++week) {
      player.AnswerChallenge();
      player.PlayWeek();
    }
    if (game.career.Year != 10) state.SkipWithError("the career did not end in retirement");
    // The career with its fight log of every bout and week, as the player would keep it.
    SaveCareer(game);
    if (game.log.Weeks.size() != 520) state.SkipWithError("the fight log missed a week");
  }
}
BENCHMARK(WholeCareer)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// A roster in year 3 in which two rivals fight this week and the player is free.
Career RivalBoutDue() {
  Career career;
  const char* names[10] = {
      "Sam",          "Calvin Drummore", "Rollo Vantree", "Bram Kestovic", "Lonnie Garbutt",
      "Teo Vasquero", "Dewey Marchbank", "Ezra Kolade",   "Hollis Pryde",  "Walt Brannigan"};
  for (int i = 0; i < RosterSize; ++i) {
    RosterEntry& boxer = career.Roster[i];
    boxer.Name = names[i];
    boxer.Strength = 88 + i % 5;
    boxer.Weight = 100 + i;
    boxer.Speed = 70 + i;
    boxer.Wins = 20 + i;
    boxer.Rank = 9 - i;
    boxer.Opponent = NoOpponent;
    boxer.WeeksToBout = WeeksAfterBout;
  }
  career.Roster[3].Opponent = 4;
  career.Roster[4].Opponent = 3;
  career.Roster[3].WeeksToBout = career.Roster[4].WeeksToBout = 1;
  career.Year = 3;
  career.Week = 20;
  career.Money = 120000;
  career.CareerPath = "Sam.box";
  return career;
}

void AdvanceWeekWithRivalBoutDue(benchmark::State& state) {
  TempFolder folder;
  ClockRandom random;
  RecordingScreen screen;
  Game game(screen, random, folder.Path());
  screen.game = &game;
  const Career due = RivalBoutDue();
  for (auto _ : state) {
    state.PauseTiming();
    game.career = due;
    game.log = {};
    screen.messages.clear();
    state.ResumeTiming();
    AdvanceWeek(game);
  }
  if (game.career.Roster[3].Opponent != NoOpponent) state.SkipWithError("the bout was not held");
}
BENCHMARK(AdvanceWeekWithRivalBoutDue)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace
}  // namespace ringvale::test

BENCHMARK_MAIN();
