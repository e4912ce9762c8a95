// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modGraphics.h"

#include <cstddef>

#include "RecordFile.h"

namespace ringvale {

void FreezeWindow(Game& game) {
  game.screen.FreezeWindow();
}

void UnfreezeWindow(Game& game) {
  game.screen.UnfreezeWindow();
}

std::string MoneyOnScreen(const Game& game, double money) {
  std::string text = FormatMoney(money);
  if (const auto point = text.find('.'); point != std::string::npos) {
    text.replace(point, 1, game.decimalPoint);
  }
  return text;
}

std::string ThousandsSeparated(double amount) {
  std::string digits = std::to_string(static_cast<long long>(amount));
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), ",");
  }
  return digits;
}

}  // namespace ringvale
