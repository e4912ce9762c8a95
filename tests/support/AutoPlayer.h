// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <functional>
#include <random>

#include "Game.h"
#include "RecordingScreen.h"
#include "modBoxer.h"
#include "modEvents.h"
#include "modFights.h"
#include "modSetFights.h"

namespace ringvale::test {

// Plays a career the way a restless player would: changes focus, arranges bouts, answers
// challenges both ways, and in his bouts mostly fights, sometimes retires and takes a dive when
// offered. Its choices come from a generator of its own, so the game's draws stay the game's.
class AutoPlayer {
 public:
  AutoPlayer(Game& game, RecordingScreen& screen, unsigned seed) : game_(game), choices_(seed) {
    screen.game = &game;
    screen.playFight = [this, &screen](Game& fighting) {
      for (int press = 0; screen.fightOpen && press < 12; ++press) {
        if (fighting.fight.cmdDiveVisible && Chance(0.15))
          Do(Dive, fighting);
        else if (Chance(0.02))
          Do(RetireFromBout, fighting);
        else
          Do(DoRound, fighting);
      }
    };
  }

  // The player's turn of one week: answer a waiting challenge, then move the week on.
  void AnswerChallenge() {
    if (game_.booking.ChallengePending) Do(Chance(0.7) ? SignChallenge : RejectChallenge, game_);
  }

  void PlayWeek() {
    const std::array<void (*)(Game&), 3> focus{ClickPower, ClickSpeed, ClickRest};
    if (Chance(0.1)) focus[Pick(3)](game_);
    if (Chance(0.25)) {
      // Mostly the boxer just above him; otherwise any line of the list, or none (-1).
      const int above = game_.career.Player().Rank - 1;
      ArrangeBout(game_, Chance(0.6) ? above : Pick(11) - 1);
    } else {
      NextWeek(game_);
    }
  }

  std::function<void()> afterEach;  // called after each thing the player does

 private:
  void Do(void (*action)(Game&), Game& game) {
    action(game);
    if (afterEach) afterEach();
  }
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(choices_) < p; }
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(choices_); }

  Game& game_;
  std::mt19937 choices_;
};

}  // namespace ringvale::test
