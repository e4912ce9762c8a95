// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "Game.h"

namespace ringvale {

// What the game says of its own rules where the player makes his choices: the tooltips of the
// windows and How to Play. Every number in them is read from GameNumbers.h.

std::string FocusTip(Focus focus);          // optPower, optSpeed, optRest
std::string PowerBarTip(const Game& game);  // proPower, as it now stands
std::string SpeedBarTip(const Game& game);  // proSpeed
// A boxer with his place, as the Rankings tab reads it out: "Place 10: Sam".
std::string PlacedName(int rank, const std::string& name);
// Entry `rank` of cmbBoxers: who he is and whether the player may challenge him.
std::string OpponentTip(const Game& game, int rank);
std::string DiveTip(const Game& game);  // cmdDive, with the offer on the table
std::string HallOfFameTip();            // lstHigh: what "TD" is and who enters
// The whole game in a few paragraphs, in Markdown: headings and paragraphs only.
std::string HowToPlayText();

}  // namespace ringvale
