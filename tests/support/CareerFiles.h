// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "TestGame.h"
#include "modEvents.h"
#include "modFile.h"

namespace ringvale::test {

inline std::string Fixture(const std::string& name) {
  return ReadBytes(std::filesystem::path(RINGVALE_FIXTURES) / name);
}

// `text` with its first `from` replaced by `to`; a fixture without `from` is a broken test.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  if (at == std::string::npos) throw std::logic_error("fixture lacks " + from);
  return text.replace(at, from.size(), to);
}

// Every file and folder under `root` with its bytes; folders map to "<folder>".
inline std::map<std::string, std::string> Snapshot(const std::filesystem::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    const std::string name = std::filesystem::relative(entry.path(), root).string();
    files[name] = entry.is_directory() ? "<folder>" : ReadBytes(entry.path());
  }
  return files;
}

// A game holding Rocky's career, loaded from its file. Keep() notes the career, upcoming bouts
// and files that a failure must leave as they are.
struct LoadedGame : TestGame {
  LoadedGame() {
    WriteBytes(careerFile, Fixture("rocky-year3.box"));
    LoadBoxer(game, careerFile);
    if (!screen.messages.empty()) throw std::logic_error(screen.messages[0].prompt);
    Keep();
  }
  void Keep() {
    screen.messages.clear();
    careerBefore = game.career;
    upcomingBefore = game.main.comUpcoming;
    filesBefore = Snapshot(folder.Path());
  }
  // Exactly these messages shown since Keep(), and nothing changed.
  void ExpectShown(const std::vector<Shown>& shown) {
    EXPECT_EQ(screen.messages, shown);
    EXPECT_EQ(game.career, careerBefore);
    EXPECT_EQ(game.main.comUpcoming, upcomingBefore);
    EXPECT_EQ(Snapshot(folder.Path()), filesBefore);
  }

  std::filesystem::path careerFile = game.folder / "Rocky.box";
  Career careerBefore;
  std::vector<std::string> upcomingBefore;
  std::map<std::string, std::string> filesBefore;
};

// The forced retirement of the game's player as `name`; the file is rewritten even when he stays
// out.
inline void Retire(Game& game, const std::string& name, int defences, double fortune) {
  game.career.Player().Name = name;
  game.career.TitleDefences = defences;
  game.career.Money = fortune;
  ForcedRetirement(game);
}

}  // namespace ringvale::test
