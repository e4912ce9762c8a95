// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <random>
#include <string>

#include "Bytes.h"
#include "Game.h"
#include "RecordingScreen.h"
#include "ScriptedRandom.h"

namespace ringvale::test {

// A fresh, empty folder that disappears with the test; in memory where the system has one
// (/dev/shm), as soaks and benchmarks save hundreds of times and a journalled disk is slow.
class TempFolder {
 public:
  TempFolder() {
    std::random_device device;
    std::error_code error;
    path_ = (std::filesystem::is_directory("/dev/shm", error)
                 ? std::filesystem::path("/dev/shm")
                 : std::filesystem::temp_directory_path()) /
            ("ringvale-test-" + std::to_string(device()) + std::to_string(device()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A game wired to a scripted generator, a recording screen and a temporary folder.
struct TestGame {
  // A folder of its own, or one `shared` with other games, as another run of the program would.
  explicit TestGame(const std::filesystem::path& shared = {})
      : game(screen, random, shared.empty() ? folder.Path() : shared) {
    screen.game = &game;
  }
  TempFolder folder;
  ScriptedRandom random;
  RecordingScreen screen;
  Game game;
};

// The same with a seeded generator, for whole careers that two games must play alike.
struct SeededGame {
  explicit SeededGame(unsigned seed) : random(seed) { screen.game = &game; }
  TempFolder folder;
  SeededRandom random;
  RecordingScreen screen;
  Game game{screen, random, folder.Path()};
};

}  // namespace ringvale::test
