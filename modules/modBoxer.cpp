// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modBoxer.h"

#include <array>
#include <cstddef>

namespace ringvale {

namespace {

void AtMost(Int16& quality, int ceiling) {
  if (quality >= ceiling) quality = ceiling - LimitMargin;
}
void AtLeast(Int16& quality, int floor) {
  if (quality <= floor) quality = floor + LimitMargin;
}

void TrainPower(RosterEntry& boxer) {
  AtMost(boxer.Strength, StrengthCeiling);
  AtLeast(boxer.Speed, SpeedFloor);
  boxer.Strength += PowerStrengthGain;
  boxer.Speed -= PowerSpeedCost;
}

void TrainSpeed(RosterEntry& boxer, int weightCost) {
  AtLeast(boxer.Weight, WeightFloor);
  AtMost(boxer.Speed, SpeedCeiling);
  boxer.Speed += SpeedSpeedGain;
  boxer.Weight -= weightCost;
}

void TrainRest(RosterEntry& boxer, int weightGain) {
  AtLeast(boxer.Strength, StrengthFloor);
  AtLeast(boxer.Speed, SpeedFloor);
  AtMost(boxer.Weight, WeightCeiling);
  boxer.Weight += weightGain;
  boxer.Strength -= RestStrengthCost;
  boxer.Speed -= RestSpeedCost;
}

template <std::size_t Frames>
void ShowOnly(std::array<bool, Frames>& pictures, int frame) {
  pictures.fill(false);
  if (frame >= 1 && frame <= int(Frames)) pictures[frame - 1] = true;
}

template <std::size_t Frames>
void StepCycle(int& frame, std::array<bool, Frames>& pictures) {
  if (frame < 1 || frame > int(Frames)) return;
  pictures[frame - 1] = false;
  frame = frame % int(Frames) + 1;
  pictures[frame - 1] = true;
}

}  // namespace

void TrainPlayer(Game& game) {
  auto& player = game.career.Player();
  // Bouts wear Strength and Speed down without a floor; a week of training restores it.
  AtLeast(player.Speed, SpeedFloor);
  AtLeast(player.Weight, WeightFloor);
  AtLeast(player.Strength, StrengthFloor);
  switch (game.main.focus) {
    case Focus::Power:
      TrainPower(player);
      break;
    case Focus::Speed:
      TrainSpeed(player, PlayerSpeedWeightCost);
      break;
    case Focus::Rest:
      TrainRest(player, PlayerRestWeightGain);
      break;
  }
}

void TrainRival(Game& game, int index) {
  auto& rival = game.career.Roster.at(index);
  game.random.Reseed();
  const int rivalFocus = RoundHalfEven(2 * game.random.Next());  // 0 power, 1 speed, 2 rest
  if (rivalFocus == 0) TrainPower(rival);
  if (rivalFocus == 1) TrainSpeed(rival, RivalSpeedWeightCost);
  if (rivalFocus == 2) TrainRest(rival, RivalRestWeightGain);
}

namespace {

// A click restarts its cycle on the first picture, so no stale picture of either bag is left
// standing beside it.
template <std::size_t Shown, std::size_t Hidden>
void StartCycle(MainWindow& main, Focus focus, std::array<bool, Shown>& shown,
                std::array<bool, Hidden>& hidden) {
  main.focus = focus;
  main.PunchFrame = 1;
  hidden.fill(false);
  ShowOnly(shown, 1);
}

}  // namespace

void ClickPower(Game& game) {
  StartCycle(game.main, Focus::Power, game.main.imgPVisible, game.main.imgSVisible);
}

void ClickSpeed(Game& game) {
  StartCycle(game.main, Focus::Speed, game.main.imgSVisible, game.main.imgPVisible);
}

// The bag stops on the picture showing at the next tick.
void ClickRest(Game& game) {
  game.main.focus = Focus::Rest;
}

void TickPunch(Game& game) {
  auto& main = game.main;
  switch (main.focus) {
    case Focus::Power:
      StepCycle(main.PunchFrame, main.imgPVisible);
      break;
    case Focus::Speed:
      StepCycle(main.PunchFrame, main.imgSVisible);
      break;
    case Focus::Rest:
      main.PunchFrame = 0;
      break;
  }
}

}  // namespace ringvale
