// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

#include "GameNumbers.h"

namespace ringvale {

// One paragraph of the ringside commentator. "[A]" stands for fighter A's name (the player's
// boxer), "[B]" for fighter B's; choosing the text adds its knock-downs to the two counts.
struct CommentaryText {
  std::string_view Text;
  int KnockdownsA = 0;
  int KnockdownsB = 0;
};

inline constexpr int CommentaryChoices = 5;  // texts per occasion, picked by the five-way draw
inline constexpr int CommentedRounds = LastRound - 1;  // the last ends in the judges' decision

using CommentaryChoice = std::array<CommentaryText, CommentaryChoices>;

extern const CommentaryChoice Introductions;
extern const std::array<CommentaryChoice, CommentedRounds> RoundCommentary;  // index: round - 1

}  // namespace ringvale
