// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "Game.h"

namespace ringvale {

inline constexpr const char* HallFileName = "Velder.hig";

struct HallEntry {
  std::string Name;
  Int16 Defences;
  double Fortune = 0;
  bool operator==(const HallEntry&) const = default;
};
using HallTable = std::array<HallEntry, HallOfFameSize>;

// Bribes and corruption.
void OfferBribe(Game& game);
void Dive(Game& game);  // Click of cmdDive: TakeDive, then the settlement
void Busted(Game& game);

// Title, retirement and hall of fame.
void TitlePurse(Game& game);
void ForcedRetirement(Game& game);
void LoadHallOfFame(Game& game);  // fills game.high for frmHigh

// The high-score file beside the career files.
std::filesystem::path HallPath(const Game& game);
// The table in the file; the standard one when the file is missing, or when it cannot be read
// (which is reported once).
HallTable ReadHallOfFame(Game& game, bool* damaged = nullptr);

}  // namespace ringvale
