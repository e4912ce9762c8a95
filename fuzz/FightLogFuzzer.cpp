// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the fight-log reader: what it accepts saves to a text that reads back
// as the same log, and every line the Fight Log window would show of it can be made.

#include <cstddef>
#include <cstdint>

#include "FightLog.h"
#include "FuzzGame.h"

using namespace ringvale;
using namespace ringvale::fuzz;

namespace {

// The week of the career the seeds were saved with.
constexpr int CareerWeeks = 12;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  FightLog log;
  try {
    log = ParseFightLog(bytes, CareerWeeks);
  } catch (const RecordError&) {
    return 0;  // refused with its line: the game sets the file aside
  }
  const std::string saved = FightLogText(log, CareerWeeks);
  try {
    if (FightLogText(ParseFightLog(saved, CareerWeeks), CareerWeeks) != saved)
      Fail("a saved log reads back as another log");
  } catch (const RecordError& error) {
    Fail(std::string("a saved log does not read back: ") + error.what());
  }
  Career career;
  for (int i = 0; i < RosterSize; ++i) career.Roster[i].Name = "Boxer " + std::to_string(i);
  for (const BoutRecord& bout : log.Bouts) {
    if (BoutText(career, bout).empty() || HowText(bout).empty() || WeekText(bout.Week).empty())
      Fail("a bout of the log shows as nothing");
  }
  for (const WeekSample& week : log.Weeks) {
    if (PlaceText(week.Rank).empty()) Fail("a week of the log shows no place");
  }
  return 0;
}
