// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FightLog.h"

#include <algorithm>
#include <array>
#include <system_error>

#include "FileSystem.h"
#include "Game.h"
#include "RecordFile.h"
#include "modFights.h"

namespace ringvale {

namespace {

constexpr const char* LogHeader = "Ringvale fight log";
constexpr int LogVersion = 1;
constexpr const char* BoutLine = "bout";
constexpr const char* WeekLine = "week";

// The file's word for each ending, in the order of Ending.
constexpr auto EndingWords = Exactly<std::size_t(Ending::Draw) + 1, const char*>(
    {"points", "knock-out", "retirement", "dive", "draw"});

std::string Quoted(const std::filesystem::path& path) {
  return "\"" + path.string() + "\"";
}

Int16 RosterNumber(RecordReader& file, const char* what) {
  const int line = file.LineNumber();
  const Int16 value = file.Number();
  if (value < 0 || value >= RosterSize) {
    throw RecordError(line, std::string(what) + " " + std::to_string(int(value)) +
                                " is not one of 0 to " + std::to_string(LastPlace));
  }
  return value;
}

Int16 LogWeekNumber(RecordReader& file, Int16 careerWeeks) {
  const int line = file.LineNumber();
  const Int16 week = file.Number();
  if (week < 1 || week > careerWeeks) {
    throw RecordError(line, "week " + std::to_string(int(week)) + " is not 1 to " +
                                std::to_string(int(careerWeeks)));
  }
  return week;
}

BoutRecord ReadBout(RecordReader& file, Int16 careerWeeks) {
  BoutRecord bout;
  bout.Week = LogWeekNumber(file, careerWeeks);
  bout.Winner = RosterNumber(file, "boxer");
  bout.WinnerRank = RosterNumber(file, "rank");
  bout.Loser = RosterNumber(file, "boxer");
  bout.LoserRank = RosterNumber(file, "rank");
  const int line = file.LineNumber();
  if (bout.Winner == bout.Loser) throw RecordError(line, "a boxer fights himself");
  const std::string how = file.String();
  std::size_t ending = 0;
  while (ending < EndingWords.size() && how != EndingWords[ending]) ++ending;
  if (ending == EndingWords.size()) {
    throw RecordError(line, Shown(how) + " is not a way a bout ends");
  }
  bout.How = static_cast<Ending>(ending);
  bout.Round = file.Number();
  if (bout.Round < 0 || bout.Round > LastRound) {
    throw RecordError(line, "round " + std::to_string(int(bout.Round)) + " is not 0 to " +
                                std::to_string(LastRound));
  }
  bout.Money = file.Money();
  return bout;
}

WeekSample ReadWeek(RecordReader& file, Int16 careerWeeks) {
  WeekSample week;
  week.Week = LogWeekNumber(file, careerWeeks);
  week.Rank = RosterNumber(file, "rank");
  week.Strength = file.Number();
  week.Speed = file.Number();
  week.Money = file.Money();
  return week;
}

void WriteBout(RecordWriter& file, const BoutRecord& bout) {
  file.String(BoutLine).Number(bout.Week).Number(bout.Winner).Number(bout.WinnerRank);
  file.Number(bout.Loser).Number(bout.LoserRank).String(EndingWords.at(int(bout.How)));
  file.Number(bout.Round).Money(bout.Money).EndLine();
}

void WriteWeek(RecordWriter& file, const WeekSample& week) {
  file.String(WeekLine).Number(week.Week).Number(week.Rank).Number(week.Strength);
  file.Number(week.Speed).Money(week.Money).EndLine();
}

std::string Plural(int count, const std::string& word) {
  return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

}  // namespace

void LogBout(Game& game) {
  const Bout& bout = game.bout;
  const auto& roster = game.career.Roster;
  FightLog& log = game.log;
  const bool playersBout = bout.FighterA == PlayerIndex || bout.FighterB == PlayerIndex;
  const bool bWon = bout.ScoreB > bout.ScoreA;
  BoutRecord record;
  record.Week = TotalWeeks(game.career);
  record.Winner = bWon ? bout.FighterB : bout.FighterA;
  record.Loser = bWon ? bout.FighterA : bout.FighterB;
  record.WinnerRank = roster.at(record.Winner).Rank;
  record.LoserRank = roster.at(record.Loser).Rank;
  record.How = log.Stoppage.value_or(bout.ScoreA == bout.ScoreB ? Ending::Draw : Ending::Points);
  // A simulated bout counts its rounds down to 0; it always goes the distance.
  record.Round = playersBout ? Int16(bout.FightRound) : Int16(SimulatedRounds);
  if (playersBout) record.Money = game.career.Money - log.MoneyAtBell;
  log.Bouts.push_back(record);
  log.Stoppage.reset();
}

void LogSettlement(Game& game) {
  FightLog& log = game.log;
  if (!log.Bouts.empty() && log.Bouts.back().Involves(PlayerIndex)) {
    log.Bouts.back().Money = game.career.Money - log.MoneyAtBell;
  }
}

void LogWeek(Game& game) {
  const RosterEntry& player = game.career.Player();
  game.log.Weeks.push_back(
      {TotalWeeks(game.career), player.Rank, player.Strength, player.Speed, game.career.Money});
}

std::filesystem::path FightLogPath(const std::filesystem::path& careerPath) {
  std::filesystem::path path = careerPath;
  path.replace_extension(FightLogExtension);
  // A career file that already carries the log's extension keeps its own name free.
  if (path == careerPath) path += FightLogExtension;
  return path;
}

std::string FightLogText(const FightLog& log, Int16 careerWeeks) {
  RecordWriter file;
  file.String(LogHeader).Number(LogVersion).Number(careerWeeks).EndLine();
  // In the order they happened: a week's bouts come before the player's numbers at its end.
  auto bout = log.Bouts.begin();
  for (const WeekSample& week : log.Weeks) {
    for (; bout != log.Bouts.end() && bout->Week <= week.Week; ++bout) WriteBout(file, *bout);
    WriteWeek(file, week);
  }
  for (; bout != log.Bouts.end(); ++bout) WriteBout(file, *bout);
  return file.Text();
}

FightLog ParseFightLog(const std::string& bytes, Int16 careerWeeks) {
  RecordReader file(bytes);
  FightLog log;
  // Saves end every line with CRLF: a last line without its end was cut off.
  if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r') {
    throw RecordError(int(std::count(bytes.begin(), bytes.end(), '\n')) + 1,
                      "the line is cut off before its end");
  }
  if (file.String() != LogHeader) throw RecordError(1, "this is not a fight log");
  if (const Int16 version = file.Number(); version != LogVersion) {
    throw RecordError(1, "version " + std::to_string(int(version)) + " is not known");
  }
  const Int16 savedWeeks = file.Number();
  if (savedWeeks < careerWeeks) {
    throw RecordError(1, "it was saved with the career at week " + std::to_string(int(savedWeeks)) +
                             ", the career file stands at week " +
                             std::to_string(int(careerWeeks)));
  }
  file.EndLine();
  while (!file.AtEnd()) {
    const int line = file.LineNumber();
    const std::string kind = file.String();
    if (kind == BoutLine) {
      log.Bouts.push_back(ReadBout(file, savedWeeks));
    } else if (kind == WeekLine) {
      log.Weeks.push_back(ReadWeek(file, savedWeeks));
    } else {
      throw RecordError(line, Shown(kind) + " is neither a bout nor a week");
    }
    file.EndLine();
  }
  // A save puts the log in place before its career: a log ahead of its career is the first half
  // of a save cut short, and the career it goes with is the one before it.
  const auto later = [&](const auto& entry) { return entry.Week > careerWeeks; };
  std::erase_if(log.Bouts, later);
  std::erase_if(log.Weeks, later);
  return log;
}

FightLog ReadFightLog(const std::filesystem::path& path, Int16 careerWeeks, std::string& problem) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return {};
  try {
    return ParseFightLog(ReadTextFile(path), careerWeeks);
  } catch (const RecordError& malformed) {
    problem = Quoted(path) + " is not a fight log that can be read.\n" + malformed.what() + ".\n";
  } catch (const std::exception& unreadable) {
    problem = std::string(unreadable.what()) + "\n";
  }
  if (!NotAFile(path).empty()) {
    // Not the game's to move; the saves leave it alone too.
    problem += "The fight log cannot be kept there.\n";
  } else {
    // Set aside, so the next save cannot overwrite what may still be mended by hand.
    const std::filesystem::path damaged = DamagedCopyPath(path);
    const int failed = RenameFile(path, damaged);
    problem += failed != 0 ? "It could not be set aside (" +
                                 std::generic_category().message(failed) + ").\n"
                           : "It has been set aside as " + Quoted(damaged) + ".\n";
  }
  problem += "The career goes on with an empty fight log.";
  return {};
}

std::string PlaceText(int rank) {
  return rank == 0 ? "C" : std::to_string(rank + 1);
}

std::string WeekText(int careerWeeks) {
  const int year = (careerWeeks - 1) / WeeksPerYear;
  const int week = (careerWeeks - 1) % WeeksPerYear + 1;
  return "Year " + std::to_string(year) + ", Week " + std::to_string(week);
}

std::string BookingText(const Career& career, int index) {
  const RosterEntry& boxer = career.Roster.at(index);
  if (boxer.Opponent == NoOpponent) return "";
  return "vs " + career.Roster.at(boxer.Opponent).Name + " in " + Plural(boxer.WeeksToBout, "week");
}

std::string BoutText(const Career& career, const BoutRecord& bout) {
  const auto named = [&](int index, int rank) {
    return career.Roster.at(index).Name + " (" + PlaceText(rank) + ")";
  };
  return named(bout.Winner, bout.WinnerRank) +
         (bout.How == Ending::Draw ? " drew with " : " beat ") + named(bout.Loser, bout.LoserRank);
}

std::string HowText(const BoutRecord& bout) {
  const std::string round =
      bout.Round == 0 ? "before the first bell" : "in round " + std::to_string(int(bout.Round));
  switch (bout.How) {
    case Ending::Points:
      return "on points after " + Plural(bout.Round, "round");
    case Ending::Draw:
      return "a draw after " + Plural(bout.Round, "round");
    case Ending::KnockOut:
      return "by knock-out " + round;
    case Ending::Retirement:
      return "by retirement " + round;
    case Ending::Dive:
      return "by a dive " + round;
  }
  return "";
}

}  // namespace ringvale
