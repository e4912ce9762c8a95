// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the hall-of-fame reader: straight through RecordReader, as the file
// the High Scores window reads, and as the file a retiring champion is written into.

#include <cstddef>
#include <cstdint>

#include "FuzzGame.h"
#include "modEvents.h"

using namespace ringvale;
using namespace ringvale::fuzz;

namespace {

void ShowHall(const std::string& bytes, bool sound) {
  const auto path = FuzzFolder() / HallFileName;
  WriteBytes(path, bytes);
  QuietScreen screen;
  test::SeededRandom random(1);
  Game game(screen, random, FuzzFolder());
  LoadHallOfFame(game);
  if (ReadBytes(path) != bytes) Fail("showing the hall of fame changed its file");
  for (int i = 0; i < 10; ++i) {
    const std::string& item = game.high.lstHigh[i];
    const std::string number = std::to_string(i + 1) + " - ";
    if (sound && item == "-") Fail("a sound table showed an empty row");
    if (item != "-" && item.compare(0, number.size(), number) != 0)
      Fail("row " + std::to_string(i + 1) + " of the list reads \"" + item + "\"");
  }
}

// A rich champion retires: the file afterwards is either untouched or a sound table of ten.
void RetireInto(const std::string& bytes) {
  const auto path = FuzzFolder() / HallFileName;
  WriteBytes(path, bytes);
  QuietScreen screen;
  test::SeededRandom random(1);
  Game game(screen, random, FuzzFolder());
  game.career.Roster[0].Name = "Sam";
  game.career.Year = 10;
  game.career.Week = 1;
  game.career.Money = 2.5e6;
  game.career.TitleDefences = 4;
  const Career before = game.career;
  ForcedRetirement(game);
  if (game.career != before) Fail("the retirement changed the career");
  const std::string after = ReadBytes(path);
  if (after != bytes && !ReadsAsHall(after)) Fail("the retirement wrote an unreadable table");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  EmptyFolder();
  ReadFreely(bytes);
  ShowHall(bytes, ReadsAsHall(bytes));
  RetireInto(bytes);
  return 0;
}
