// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <concepts>
#include <string>
#include <utility>
#include <vector>

#include "Game.h"
#include "ScriptedRandom.h"
#include "modFights.h"
#include "modSetFights.h"

// A career set up directly, and scripts for the draws a week makes.
namespace ringvale::test {

inline const std::array<std::string, 10> Names{
    "Sam",          "Ivo Marchetti", "Deacon Flint", "Bram Kestovic", "Otto Varga",
    "Lenny Sorrel", "Rafe Calder",   "Tomas Brenn",  "Gus Halloway",  "Nico Dray"};

// Rank equals roster index, nobody booked. Everyone's Speed is 100 and the player trains speed,
// which holds Speed at 100 week after week, so the punches a bout throws stay the same.
inline void SetUpCareer(Game& game) {
  auto& career = game.career;
  career.Year = 0;
  career.Week = 10;
  career.Money = 20000;
  for (int i = 0; i < RosterSize; ++i)
    career.Roster[i] = {Names[i], 90, 100 + i, 100, 0, 0, 0, 0, i, 1000, NoOpponent};
  game.main.focus = Focus::Speed;
}

inline void SwapRanks(Game& game, int first, int second) {
  std::swap(game.career.Roster[first].Rank, game.career.Roster[second].Rank);
}

inline void Book(Game& game, int first, int second, int weeks) {
  auto& roster = game.career.Roster;
  roster[first].Opponent = second;
  roster[second].Opponent = first;
  roster[first].WeeksToBout = roster[second].WeeksToBout = weeks;
}

// The week's draw of boxers: values whose 9 x r round to each index in turn.
inline void PushDraw(ScriptedRandom& random, std::same_as<int> auto... indexes) {
  for (const int index : {indexes...}) random.Push({index == 0 ? 0.0 : (index - 0.2) / 9});
}

// Every rival trains speed: 2 x 0.5 rounds to 1.
inline void PushRivalTraining(ScriptedRandom& random) {
  for (int i = 1; i < RosterSize; ++i) random.Push({0.5});
}

// One press of Next Week whose draw comes to nothing: ranks 1 and 9 are far apart.
inline void QuietWeek(Game& game, ScriptedRandom& random) {
  PushDraw(random, 1, 9);
  PushRivalTraining(random);
  NextWeek(game);
}

// At Speed 100 each boxer throws ten punches a round; these draws land none of them.
inline void PushMissedRounds(ScriptedRandom& random, int rounds) {
  random.values.insert(random.values.end(), rounds * 20, 0.0);
}

// A bout between two rivals in which no punch lands: the unused draw, then the exchanges.
inline void PushRivalsBout(ScriptedRandom& random) {
  random.Push({0.0});
  PushMissedRounds(random, SimulatedRounds);
}

// Commentary draws: 5 x 0.8 = 4, and text 4 of every round knocks no one down.
inline constexpr double QuietComment = 0.8;

// A round of the player's bout: the unused draw, twenty missed punches and, before the judges'
// round, the commentary.
inline void PushRound(ScriptedRandom& random, int round, double comment) {
  random.Push({0.0});
  PushMissedRounds(random, 1);
  if (round < LastRound) random.Push({comment});
}

// The player's bout: the bribe roll (none below 0), the introduction, then its rounds.
inline void PushPlayersBout(ScriptedRandom& random, double bribeRoll, double introduction,
                            const std::vector<double>& comments) {
  if (bribeRoll >= 0) random.Push({bribeRoll});
  random.Push({introduction});
  for (int round = 1; round <= int(comments.size()); ++round)
    PushRound(random, round, comments[round - 1]);
}
inline const std::vector<double> ToTheJudges(LastRound, QuietComment);  // ten quiet rounds

}  // namespace ringvale::test
