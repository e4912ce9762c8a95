// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the career file reader: straight through RecordReader, then as a
// file loaded by the Load command into a game that already holds a career.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "FuzzGame.h"
#include "modFile.h"
#include "modSetFights.h"

using namespace ringvale;
using namespace ringvale::fuzz;

namespace {

// The career the game holds before each load: a failed load must leave every value of it.
Career HeldCareer() {
  Career career;
  const char* names[RosterSize] = {
      "Sam",          "Calvin Drummore", "Rollo Vantree", "Bram Kestovic", "Lonnie Garbutt",
      "Teo Vasquero", "Dewey Marchbank", "Ezra Kolade",   "Hollis Pryde",  "Walt Brannigan"};
  for (int i = 0; i < RosterSize; ++i) {
    RosterEntry& entry = career.Roster[i];
    entry.Name = names[i];
    entry.Strength = 90;
    entry.Weight = 100 + i;
    entry.Speed = 80;
    entry.Rank = LastPlace - i;
    entry.Opponent = NoOpponent;
    entry.WeeksToBout = WeeksAfterBout;
  }
  career.Year = 2;
  career.Week = 17;
  career.Money = 31337.5;
  career.TitleDefences = 1;
  career.CareerPath = (FuzzFolder() / "Held.box").string();
  return career;
}

// Values a load must not take in: they would break the game at its next step.
void CheckLoaded(const Career& career) {
  if (!std::isfinite(career.Money)) Fail("a career loaded with money that is not a number");
  CheckSound(career);
}

void LoadAsCareer(const std::string& bytes, bool sound) {
  const auto path = FuzzFolder() / "Fuzz.box";
  WriteBytes(path, bytes);

  QuietScreen screen;
  test::SeededRandom random(1);
  Game game(screen, random, FuzzFolder());
  game.career = HeldCareer();
  const Career before = game.career;
  LoadBoxer(game, path);
  if (ReadBytes(path) != bytes) Fail("loading changed the file");

  if (game.career == before) return;  // refused, and nothing changed
  if (!sound) Fail("a malformed career file was loaded");
  if (game.career.CareerPath != path.string()) Fail("a load kept the old CareerPath");
  CheckLoaded(game.career);
  if (!game.career.IsLoaded()) return;

  // What a load took in, a save gives back; loading that again and saving it changes nothing.
  SaveCareer(game);
  const std::string saved = ReadBytes(path);
  if (!ReadsAsCareer(saved)) Fail("a save wrote a file that does not read back");
  QuietScreen screen2;
  test::SeededRandom random2(1);
  Game game2(screen2, random2, FuzzFolder());
  LoadBoxer(game2, path);
  Career reloaded = game2.career;
  reloaded.Money = game.career.Money;  // files keep 15 significant digits of money
  if (reloaded != game.career) Fail("a saved career loads back different");
  SaveCareer(game2);
  if (ReadBytes(path) != saved) Fail("a second save wrote different bytes");

  // A career the game took in must be playable: the next weeks may overflow a number the file
  // made huge (the game then says "Overflow"), but nothing else may go wrong.
  screen.game = &game;
  try {
    for (int week = 0; week < 3; ++week) {
      NextWeek(game);
      CheckSound(game.career);
    }
  } catch (const OverflowError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  EmptyFolder();
  ReadFreely(bytes);
  LoadAsCareer(bytes, ReadsAsCareer(bytes));
  return 0;
}
