// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>

#include "GameNumbers.h"
#include "Int16.h"

namespace ringvale {

struct RosterEntry {
  std::string Name;
  Int16 Strength, Weight, Speed, Wins, Losses, Draws, KOs, Rank, WeeksToBout, Opponent;

  bool operator==(const RosterEntry&) const = default;
};

// The one career in memory. Slot 0 of the roster is the player for the whole career.
struct Career {
  std::array<RosterEntry, RosterSize> Roster;
  Int16 Year, Week;
  double Money = 0;
  Int16 TitleDefences;
  std::string CareerPath;

  bool IsLoaded() const { return !Roster[PlayerIndex].Name.empty(); }
  RosterEntry& Player() { return Roster[PlayerIndex]; }
  const RosterEntry& Player() const { return Roster[PlayerIndex]; }

  bool operator==(const Career&) const = default;
};

// The calendar as one number, as the career file keeps it.
inline Int16 TotalWeeks(const Career& career) {
  return career.Year * WeeksPerYear + career.Week;
}

}  // namespace ringvale
