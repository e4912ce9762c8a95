// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Game.h"

namespace ringvale {

void TrainPlayer(Game& game);            // one week of the focus chosen on the Training tab
void TrainRival(Game& game, int index);  // one week of a random focus

// The training animation of the Training tab; the form shows the pictures these name.
void ClickPower(Game& game);  // Click of optPower
void ClickSpeed(Game& game);  // Click of optSpeed
void ClickRest(Game& game);   // Click of optRest
void TickPunch(Game& game);   // Timer of timPunch, every PunchInterval
inline constexpr int PunchIntervalMs = 80;

}  // namespace ringvale
