// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modEvents.h"

#include <algorithm>
#include <array>
#include <optional>
#include <system_error>

#include "DefaultHallOfFame.h"
#include "FileSystem.h"
#include "Identity.h"
#include "RecordFile.h"
#include "modFights.h"
#include "modGraphics.h"
#include "modSetFights.h"

namespace ringvale {

namespace {

HallTable ParseHallOfFame(const std::string& text) {
  RecordReader reader(text);
  HallTable table;
  for (HallEntry& entry : table) {
    entry.Name = reader.String();
    entry.Defences = reader.Number();
    entry.Fortune = reader.Money();
    reader.EndLine();
  }
  if (!reader.AtEnd()) throw RecordError(reader.LineNumber(), "more than ten boxers");
  return table;
}

std::string HallText(const HallTable& table) {
  RecordWriter writer;
  for (const HallEntry& entry : table)
    writer.String(entry.Name).Number(entry.Defences).Money(entry.Fortune).EndLine();
  return writer.Text();
}

// What the file at `path` holds: its table, or the standard one and why.
struct HallFile {
  HallTable Table = DefaultHallOfFame;
  std::string Problem;                   // "" when the table is the file's own
  std::optional<std::string> Malformed;  // the bytes of a file that reads but is no table
};

HallFile ReadHallFile(const std::filesystem::path& path) {
  HallFile hall;
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return hall;
  std::string bytes;
  try {
    bytes = ReadTextFile(path);
    hall.Table = ParseHallOfFame(bytes);
  } catch (const RecordError& malformed) {
    hall.Malformed = bytes;
    hall.Problem = "\"" + path.string() + "\" is not a hall of fame that can be read.\n" +
                   malformed.what() + ".";
  } catch (const std::exception& unreadable) {
    hall.Problem = unreadable.what();
  }
  return hall;
}

constexpr const char* StandardHall = "The standard hall of fame is used instead.";

// Puts the retiring boxer into the table when he has earned it; true when he went in.
bool Induct(HallTable& table, const HallEntry& retiring) {
  // A career loaded again after its end retires once more but is inducted only once.
  if (retiring.Defences <= 0 || std::ranges::find(table, retiring) != table.end() ||
      retiring.Fortune <= table.back().Fortune) {
    return false;
  }
  // Ties keep the older entry above the new one.
  auto place = table.end() - 1;
  while (place != table.begin() && retiring.Fortune > (place - 1)->Fortune) --place;
  std::move_backward(place, table.end() - 1, table.end());
  *place = retiring;
  return true;
}

void ShowHallOfFame(Game& game, const HallTable& table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    const HallEntry& entry = table[i];
    HallRow& row = game.high.rows[i];
    row.Boxer = std::to_string(i + 1) + " - " + entry.Name;
    row.Defences = " TD: " + std::to_string(entry.Defences);
    row.Fortune = " $" + MoneyOnScreen(game, entry.Fortune);
    game.high.lstHigh[i] = row.Boxer + "\t" + row.Defences + "\t" + row.Fortune;
  }
}

}  // namespace

std::filesystem::path HallPath(const Game& game) {
  return game.folder / HallFileName;
}

HallTable ReadHallOfFame(Game& game, bool* damaged) {
  const HallFile hall = ReadHallFile(HallPath(game));
  if (!hall.Problem.empty()) {
    if (damaged != nullptr) *damaged = true;
    game.screen.Message(hall.Problem + "\n" + StandardHall, AppTitle);
  }
  return hall.Table;
}

void OfferBribe(Game& game) {
  const int rank = game.career.Player().Rank;
  if (rank < 0 || rank >= static_cast<int>(BribeOffers.size())) return;
  game.bribe.BribeAmount = BribeOffers[rank];
  // The words count in thousands, so the figure does too; the sum paid stays in dollars.
  game.screen.Message("Wanna make some cash? There's $" +
                          MoneyOnScreen(game, game.bribe.BribeAmount / 1000) +
                          " thousand for you if you go down in your next fight.",
                      "Take a bribe?");
  game.bribe.BribeOffered = true;
  game.fight.cmdDiveVisible = true;
}

void Dive(Game& game) {
  TakeDive(game);
  if (game.bribe.BribeOffered) {
    game.random.Reseed();
    const Int16 bustRoll = RoundHalfEven(BustRollTop * game.random.Next());
    if (bustRoll == CaughtRoll) {
      Busted(game);
    } else {
      game.career.Money += game.bribe.BribeAmount;
      game.screen.Message("Well done mate, I'll be back for your next fight", "Ill gotten gains");
    }
  }
  game.bribe.BribeOffered = false;
  LogSettlement(game);
}

void Busted(Game& game) {
  game.screen.Message(
      "The boxing corruption allegations have found you guilty of losing fights for money. You "
      "have been fined $" +
          ThousandsSeparated(CorruptionFine) + ", don't do it again.",
      "BUSTED!!!");
  game.career.Money -= CorruptionFine;
}

void TitlePurse(Game& game) {
  RosterEntry& player = game.career.Player();
  const int rank = player.Rank;
  if (rank < 0 || rank >= static_cast<int>(Purses.size())) return;
  game.career.Money += Purses[rank];
  if (rank == 0) {
    ++game.career.TitleDefences;
    game.screen.Message(player.Name + " retains the World HeavyWeight Championship!!",
                        "The Greatest of All Time!");
  } else if (rank == 1 && game.career.Roster.at(game.bout.FighterB).Rank == 0) {
    // Beating the boxer ranked 2 pays the same purse, but the title stays where it is.
    game.screen.Message(player.Name + " has won the World HeavyWeight Championship!!",
                        "!!!CHAMPION!!!");
  }
}

void ForcedRetirement(Game& game) {
  LapseChallenge(game);
  game.screen.Message("Body injuries have taken their toll, you are forced to retire",
                      "Retire from Sport");
  const HallEntry retiring{game.career.Player().Name, game.career.TitleDefences, game.career.Money};
  const std::filesystem::path path = HallPath(game);
  HallFile hall;
  bool inducted = false, saved = false;
  std::filesystem::path damagedCopy;
  std::string failure;
  {
    // Other copies of the game may be retiring their boxers now: the table is read and written
    // under the lock, which each holds only that long, and the boxes wait until it is let go.
    const auto lock = LockFile(LockPathOf(path), true);
    RemoveLeftoverTemporaries(path);
    hall = ReadHallFile(path);
    inducted = Induct(hall.Table, retiring);
    try {
      std::vector<FileWrite> files;
      // A damaged file is kept rather than overwritten: its entries may still be mended. Of one
      // that cannot be read nothing could be kept, so it stays.
      if (hall.Malformed) {
        files.push_back({damagedCopy = DamagedCopyPath(path), *hall.Malformed});
      } else if (!hall.Problem.empty()) {
        throw WriteError(hall.Problem, false);
      }
      files.push_back({path, HallText(hall.Table)});
      WriteFilesSafely(files);
      saved = true;
    } catch (const WriteError& error) {
      saved = error.Saved;
      failure = saved ? error.what()
                      : "The hall of fame could not be saved to " + path.string() + ".\n\n" +
                            error.what();
    }
  }
  if (saved) ShowHallOfFame(game, hall.Table);  // an open hall-of-fame window shows the new file
  if (!hall.Problem.empty()) {
    std::error_code ignored;
    const bool kept = !damagedCopy.empty() && std::filesystem::exists(damagedCopy, ignored);
    game.screen.Message(
        hall.Problem + "\n" +
            (kept ? "It has been set aside as \"" + damagedCopy.string() + "\".\n" : "") +
            StandardHall,
        AppTitle);
  }
  if (inducted) {
    game.screen.Message("You have been inducted into the hall of fame, Congratulations!",
                        "Hall of Fame");
  }
  if (!failure.empty()) game.screen.Message(failure, AppTitle);
}

void LoadHallOfFame(Game& game) {
  ShowHallOfFame(game, ReadHallOfFame(game));
}

}  // namespace ringvale
