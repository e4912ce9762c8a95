// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordingScreen.h"

#include "modFights.h"

namespace ringvale::test {

void RecordingScreen::ShowFight() {
  if (fightOpen) throw std::logic_error("fight window shown twice");
  if (game == nullptr) throw std::logic_error("RecordingScreen needs the game to play a bout");
  fightOpen = true;
  ++fightsShown;
  if (playFight) {
    playFight(*game);
  } else {
    // Ten rounds end any bout; a few more presses show up as a failure below.
    for (int press = 0; fightOpen && press < 12; ++press) DoRound(*game);
  }
  if (fightOpen) throw std::logic_error("the bout ended without closing the fight window");
}

}  // namespace ringvale::test
