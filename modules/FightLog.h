// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Int16.h"

namespace ringvale {

struct Career;
struct Game;

// The career's history beside the career file: every bout as it ended and the player's numbers
// at the end of every week. It only watches the game: nothing here draws a random number or
// changes the career.

enum class Ending { Points, KnockOut, Retirement, Dive, Draw };

// One bout, the winner first (for a draw, fighter A first). Ranks are those before the bout.
struct BoutRecord {
  Int16 Week;  // career week: Year x 52 + Week
  Int16 Winner, WinnerRank, Loser, LoserRank;
  Ending How = Ending::Points;
  Int16 Round;       // the round it ended in; 0 before the first bell
  double Money = 0;  // what the bout brought the player: purse, bribe, or a fine (negative)

  bool Involves(int index) const { return Winner == index || Loser == index; }
  bool operator==(const BoutRecord&) const = default;
};

// The player at the end of one week.
struct WeekSample {
  Int16 Week, Rank, Strength, Speed;
  double Money = 0;
  bool operator==(const WeekSample&) const = default;
};

struct FightLog {
  std::vector<BoutRecord> Bouts;  // oldest first
  std::vector<WeekSample> Weeks;  // oldest first
  // While a bout of the player's is on: a stoppage that ended it, and his money at the bell.
  std::optional<Ending> Stoppage;
  double MoneyAtBell = 0;

  bool Empty() const { return Bouts.empty() && Weeks.empty(); }
};

inline constexpr const char* FightLogExtension = ".log";

// Hooks of the game: the bout about to be decided in FightResult, the dive's settlement, the
// end of a week.
void LogBout(Game& game);
void LogSettlement(Game& game);
void LogWeek(Game& game);

// The log file of a career file: the same name with its own extension.
std::filesystem::path FightLogPath(const std::filesystem::path& careerPath);
// The file's text, for a career saved at `careerWeeks`.
std::string FightLogText(const FightLog& log, Int16 careerWeeks);
// A log from its text; throws RecordError naming the line at fault, also when the log was saved
// with the career at an earlier week than `careerWeeks`. One saved at a later week is cut back.
FightLog ParseFightLog(const std::string& bytes, Int16 careerWeeks);
// The log beside a career being loaded, under the career's lock. A missing file is an empty log;
// one that cannot be read is set aside (DamagedCopyPath) when it is a file and left where it is
// when it is not, both giving an empty log and in `problem` what to tell the player.
FightLog ReadFightLog(const std::filesystem::path& path, Int16 careerWeeks, std::string& problem);

// What the windows show.
std::string PlaceText(int rank);        // "C" for the champion, else the place counted from 1
std::string WeekText(int careerWeeks);  // "Year 3, Week 12"
std::string BookingText(const Career& career, int index);            // "vs NAME in N weeks", or ""
std::string BoutText(const Career& career, const BoutRecord& bout);  // who did what to whom
std::string HowText(const BoutRecord& bout);                         // "on points, round 10"

}  // namespace ringvale
