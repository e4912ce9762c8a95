// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "GameNumbers.h"

namespace ringvale {

enum class Focus { Power, Speed, Rest };

inline constexpr int PowerFrames = 5;  // imgP1..imgP5
inline constexpr int SpeedFrames = 7;  // imgS1..imgS7

// A list of N lines that all read `text`, as a list box shows before it is filled.
template <std::size_t N>
std::array<std::string, N> Repeated(const std::string& text) {
  std::array<std::string, N> lines;
  lines.fill(text);
  return lines;
}

// What frmMain shows of the game; starts with the window's design-time contents.
struct MainWindow {
  std::string lblWeeks, frmBoxer = "Boxer Stats", lblStrength, lblWeight, lblSpeed, lblWins,
                        lblLosses, lblKO, lblDraws, lblMoney, lblChamp = "Champion",
                        lblChallenge = "No one wants to fight you.";
  std::array<std::string, RosterSize> lstRanks = Repeated<RosterSize>("-"),
                                      cmbBoxers = Repeated<RosterSize>("-");
  int cmbBoxersIndex = -1;  // -1: nothing selected
  bool cmbBoxersEnabled = true, frameArrangeEnabled = true, frameAgreeEnabled = false,
       cmdSignVisible = false, cmdRejectVisible = false;
  std::vector<std::string> comUpcoming;  // empty: the box shows "Upcoming Fights"
  int proPower = 0, proSpeed = 0, tabMain = 0;
  Focus focus = Focus::Power;  // optPower / optSpeed / optRest
  // The status bar: what happened that no box says, and the weeks played since the last save.
  std::string lblNews, lblSaved;

  // Training animation: 0 stopped, else the frame now showing of the running cycle.
  int PunchFrame = 1;
  std::array<bool, PowerFrames> imgPVisible{true, false, false, false, false};
  std::array<bool, SpeedFrames> imgSVisible{};
};

// What frmFight shows.
struct FightWindow {
  std::string lblPlayer, lblRival, fraFight = "Welcome to Fight Night!", txtComments,
                                   cmdNextRound = "Next Round";
  int proStamina = 0, proRivStamina = 0;
  bool cmdDiveVisible = false;
};

// One row of frmHigh's list, column by column as shown: "1 - name", " TD: n", " $money".
struct HallRow {
  std::string Boxer = "-", Defences, Fortune;
};

// What frmHigh shows: each row's columns, and the same row joined by tabs as the list's text.
struct HighWindow {
  std::array<std::string, HallOfFameSize> lstHigh = Repeated<HallOfFameSize>("-");
  std::array<HallRow, HallOfFameSize> rows;
};

}  // namespace ringvale
