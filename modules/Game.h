// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "Career.h"
#include "FightLog.h"
#include "Int16.h"
#include "Random.h"
#include "Screen.h"
#include "Windows.h"

namespace ringvale {

class FileLock;

struct Booking {
  Int16 MatchA, MatchB, DueOpponent;
  // A rival's challenge waits for the player's answer; it lapses when the week advances, at the
  // retirement and when another career comes into memory.
  bool ChallengePending = false;
};

struct Bout {
  Int16 FighterA, FighterB, FightRound, ScoreA, ScoreB, PunchesA, PunchesB, PunchRoll, KnockdownsA,
      KnockdownsB;
  // The player's bout is on in the fight window: set by its load, cleared by the result.
  bool Fighting = false;
};

struct Bribe {
  bool BribeOffered = false;
  double BribeAmount = 0;
};

struct Commentary {
  std::string CommentText;
  Int16 CommentDraw;
};

// All state of one running game.
struct Game {
  Game(Screen& screen, Random& random, std::filesystem::path folder)
      : screen(screen), random(random), folder(std::move(folder)) {}

  Screen& screen;
  Random& random;
  std::filesystem::path folder;    // where career files and the hall of fame live
  std::string decimalPoint = ".";  // the user's decimal separator, for money on screen
  int savedWeeks = 0;              // the career's week count when it was last loaded or saved
  Career career;
  Booking booking;
  Bout bout;
  Bribe bribe;
  Commentary commentary;
  FightLog log;     // the career's history, kept beside the career file
  MainWindow main;  // design-time contents until the first refresh
  FightWindow fight;
  HighWindow high;
  // The career's files are this process's while it is held: other copies of the game keep out.
  std::shared_ptr<FileLock> careerLock;
};

}  // namespace ringvale
