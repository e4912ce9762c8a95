// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole careers played by an automatic player: after every week the roster keeps its rules, and
// the first careers play out exactly as recorded in fixtures/soak-transcript.txt, every message,
// commentary, ranking, booking and file byte of them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>

#include "AutoPlayer.h"
#include "CareerFiles.h"

namespace ringvale::test {
namespace {

constexpr int CareersPerShard = 50;  // four shards: 200 careers
constexpr int TranscribedSeed = 4;   // defends the title and is inducted

auto Shows(const MainWindow& w) {
  return std::tie(w.lblWeeks, w.frmBoxer, w.lblStrength, w.lblWeight, w.lblSpeed, w.lblWins,
                  w.lblLosses, w.lblKO, w.lblDraws, w.lblMoney, w.lblChamp, w.lstRanks, w.cmbBoxers,
                  w.comUpcoming, w.proPower, w.proSpeed);
}

// A save loaded straight back changes nothing, shows nothing, and saves the same bytes again.
void ExpectSaveLoadsBack(Game& game, const RecordingScreen& screen) {
  const std::size_t shown = screen.messages.size();
  SaveCareer(game);
  const std::filesystem::path path = game.career.CareerPath;
  const std::string saved = ReadBytes(path);
  const Career career = game.career;
  const MainWindow window = game.main;
  LoadBoxer(game, path);
  ASSERT_EQ(game.career, career);
  EXPECT_EQ(Shows(game.main), Shows(window));
  SaveCareer(game);
  ASSERT_EQ(ReadBytes(path), saved);
  ASSERT_EQ(screen.messages.size(), shown) << screen.messages.back().prompt;
}

void PlayCareer(unsigned seed, std::ostream& transcript) {
  SCOPED_TRACE("career seed " + std::to_string(seed));
  SeededGame career(seed);
  Game& game = career.game;
  RecordingScreen& screen = career.screen;
  screen.onMessage = [&](const Shown& shown) {
    transcript << shown.title << " | " << shown.prompt << "\n";
  };
  screen.inputs.push_back("Soak " + std::to_string(seed));
  NewBoxer(game);
  AutoPlayer player(game, screen, seed);
  player.afterEach = [&, shown = std::string()]() mutable {
    if (game.fight.txtComments != shown) transcript << (shown = game.fight.txtComments) << "\n";
  };

  int week = 0;
  std::string lastStandings;
  try {
    for (; week < RetirementYear * WeeksPerYear; ++week) {
      SCOPED_TRACE("week " + std::to_string(week + 1));
      player.AnswerChallenge();
      if (week % 13 == 0) ExpectSaveLoadsBack(game, screen);  // each quarter
      if (::testing::Test::HasFatalFailure()) return;
      player.PlayWeek();
      ASSERT_NO_THROW(CheckRoster(game.career));  // ranks and bookings keep their rules
      const MainWindow& shown = game.main;
      transcript << shown.lblWeeks << ": " << shown.lblMoney << " " << shown.lblStrength << "/"
                 << shown.lblWeight << "/" << shown.lblSpeed << " " << shown.lblWins << "-"
                 << shown.lblLosses << "-" << shown.lblDraws << " " << shown.lblKO << "\n";
      std::string standings = shown.lblChamp;  // written when they change
      for (const auto& ranked : shown.lstRanks) standings += ", " + ranked;
      for (const auto& bout : shown.comUpcoming) standings += "; " + bout;
      if (standings != lastStandings) transcript << (lastStandings = standings) << "\n";
    }
  } catch (const OverflowError&) {
    FAIL() << "Overflow in week " << week + 1;
  }
  EXPECT_EQ(game.career.Year, RetirementYear);
  const Shown retired{"Body injuries have taken their toll, you are forced to retire",
                      "Retire from Sport"};
  EXPECT_EQ(std::count(screen.messages.begin(), screen.messages.end(), retired), 1);
  SaveCareer(game);
  transcript << ReadBytes(game.career.CareerPath) << ReadBytes(HallPath(game));

  // The high-score file reads without complaint and is richest first.
  bool damaged = false;
  const HallTable hall = ReadHallOfFame(game, &damaged);
  EXPECT_FALSE(damaged);
  EXPECT_TRUE(std::ranges::is_sorted(hall, std::greater{}, &HallEntry::Fortune));
}

class SoakTest : public ::testing::TestWithParam<int> {};

TEST_P(SoakTest, CareersRunTenYearsKeepingTheRosterSoundAndRetire) {
  std::ostringstream transcript, unrecorded;
  for (int career = 0; career < CareersPerShard && !HasFatalFailure(); ++career) {
    const int seed = GetParam() * CareersPerShard + career + 1;
    PlayCareer(seed, seed == TranscribedSeed ? transcript : unrecorded);
  }
  if (GetParam() != 0) return;
  // RINGVALE_RECORD_TRANSCRIPT=1 writes the fixture anew after a deliberate change of the game.
  const auto fixture = std::filesystem::path(RINGVALE_FIXTURES) / "soak-transcript.txt";
  if (std::getenv("RINGVALE_RECORD_TRANSCRIPT") != nullptr) WriteBytes(fixture, transcript.str());
  EXPECT_EQ(transcript.str(), ReadBytes(fixture));  // gtest shows the lines that differ
}

INSTANTIATE_TEST_SUITE_P(Shards, SoakTest, ::testing::Range(0, 4));

}  // namespace
}  // namespace ringvale::test
