// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "Game.h"

namespace ringvale {

// The main window shows no intermediate state between these two calls.
void FreezeWindow(Game& game);
void UnfreezeWindow(Game& game);

// Money as the player reads it: the file's digits with the user's decimal separator.
std::string MoneyOnScreen(const Game& game, double money);
// A whole amount with a comma between thousands, as the game's own texts quote sums: "50,000".
std::string ThousandsSeparated(double amount);

}  // namespace ringvale
