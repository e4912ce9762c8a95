// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <utility>

// The numbers the rules are made of, each defined here once. The windows read their ranges
// from here too.
namespace ringvale {

// A table of one entry for each of N, such as one per boxer or per place: an entry left out
// stops the build, where a plain std::array would fill the gap with a zero or an empty text.
template <std::size_t N, typename T, std::size_t Given>
constexpr std::array<T, N> Exactly(T (&&entries)[Given]) {
  static_assert(Given == N, "the table needs exactly one entry for each");
  return std::to_array(std::move(entries));
}

// The roster: the player and nine rivals, ranked 0 (the champion) to LastPlace.
inline constexpr int RosterSize = 10;
inline constexpr int PlayerIndex = 0;
inline constexpr int LastPlace = RosterSize - 1;  // never worth a fixer's money
inline constexpr int NoOpponent = 100;            // Opponent of a boxer with no booked bout

inline constexpr int HallOfFameSize = 10;  // the champions the hall of fame keeps

// The calendar.
inline constexpr int WeeksPerYear = 52;
inline constexpr int RetirementYear = 10;    // the career ends when this year begins
inline constexpr int WeeksAhead = 6;         // a new booking's countdown, the longest a file holds
inline constexpr int WeeksAfterBout = 1000;  // a freed boxer's count; cannot reach 0 in a career

// Training keeps each quality within its floor and ceiling: one that has reached a limit is first
// set back inside it by LimitMargin. The clamps come before the change, so a quality lowered
// from just above its floor ends one below it and is lifted again by the player's next week.
inline constexpr int StrengthFloor = 80, StrengthCeiling = 100;
inline constexpr int SpeedFloor = 50, SpeedCeiling = 100;
inline constexpr int WeightFloor = 80, WeightCeiling = 120;
inline constexpr int LimitMargin = 2;
// What a week of each focus gains and costs. A rival's speed week costs more weight and his
// rest week puts more on than the player's.
inline constexpr int PowerStrengthGain = 2, PowerSpeedCost = 1;
inline constexpr int SpeedSpeedGain = 2, PlayerSpeedWeightCost = 1, RivalSpeedWeightCost = 2;
inline constexpr int PlayerRestWeightGain = 3, RivalRestWeightGain = 4;
inline constexpr int RestStrengthCost = 1, RestSpeedCost = 1;

// A round: each boxer scores his weight, speed and strength together over ScoreDivisor and throws
// a punch for every SpeedPerPunch of speed; about half land, each taking PunchWear of strength
// and of speed from the boxer hit.
inline constexpr int ScoreDivisor = 10;
inline constexpr int SpeedPerPunch = 10;
inline constexpr int PunchWear = 1;

// A bout: rivals fight SimulatedRounds unseen; the player's bout shows its rounds one by one,
// the caption turns to the judges at JudgesRound and the verdict comes after LastRound.
inline constexpr int SimulatedRounds = 9;
inline constexpr int JudgesRound = 9;
inline constexpr int LastRound = 10;
inline constexpr int KnockdownsToStop = 3;  // a boxer down this often is knocked out

// The bars of the windows run from 0 to these tops; the game clamps what it shows into them.
inline constexpr int PowerBarTop = 130;   // proPower; a stronger boxer shows a full bar
inline constexpr int SpeedBarTop = 100;   // proSpeed; also the fastest a player can be
inline constexpr int FightBarTop = 40;    // proStamina and proRivStamina
inline constexpr int PowerDivisor = 100;  // proPower shows weight x strength / PowerDivisor

// Money.
inline constexpr double StartingMoney = 20000;
inline constexpr double CorruptionFine = 50000;
// The bust roll after a dive is BustRollTop x random, rounded: 0 to 5, and CaughtRoll, one dive
// in BustRollTop, is found out.
inline constexpr int BustRollTop = 5;
inline constexpr int CaughtRoll = 3;
// What the fixer offers for a dive, by the player's rank; the last place gets no offer.
inline constexpr auto BribeOffers =
    Exactly<LastPlace, double>({600000, 300000, 100000, 80000, 50000, 30000, 30000, 20000, 15000});
// What a points win pays, by the player's rank before the bout.
inline constexpr auto Purses = Exactly<RosterSize, double>(
    {500000, 200000, 80000, 50000, 35000, 22000, 22000, 15000, 10000, 5000});

// The main window's Arrange Bout tab, which a rival's challenge brings to the front.
inline constexpr int ArrangeBoutTab = 2;

}  // namespace ringvale
