// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What both fuzz targets share: a game with a quiet screen, a seeded generator and a folder of
// its own, plus the layouts of the two files read field by field.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "Bytes.h"
#include "Game.h"
#include "RecordFile.h"
#include "ScriptedRandom.h"
#include "modFights.h"
#include "modFile.h"

namespace ringvale::fuzz {

// Stops the fuzzer with a readable reason; libFuzzer keeps the input that got here.
[[noreturn]] inline void Fail(const std::string& why) {
  std::fprintf(stderr, "fuzz invariant broken: %s\n", why.c_str());
  std::abort();
}

// The roster rules every loaded and every played career keeps.
inline void CheckSound(const Career& career) {
  try {
    CheckRoster(career);
  } catch (const RecordError& broken) {
    Fail(std::string("the roster broke its rules: ") + broken.what());
  }
}

// Answers every box with OK, Cancel or No. Reading a file never opens the fight window; once a
// game is given, bouts are played by pressing Next Round until the window closes.
class QuietScreen final : public Screen {
 public:
  void Message(const std::string&, const std::string&) override { ++messages; }
  std::string InputBox(const std::string&, const std::string&) override { return ""; }
  bool Confirm(const std::string&, const std::string&) override { return false; }
  void FreezeWindow() override {}
  void UnfreezeWindow() override {}
  void ShowFight() override {
    if (game == nullptr) Fail("reading a file opened the fight window");
    fightOpen = true;
    for (int press = 0; fightOpen && press < 12; ++press) DoRound(*game);
    if (fightOpen) Fail("a bout went past ten rounds");
  }
  void CloseFight() override { fightOpen = false; }
  int messages = 0;
  Game* game = nullptr;
  bool fightOpen = false;
};

// One folder for the whole run, emptied before each input: RINGVALE_FUZZ_FOLDER when set (the
// script gives one in memory, as replacing a file on a journalled disk waits for the disk),
// else a fresh one removed at exit.
inline const std::filesystem::path& FuzzFolder() {
  static const std::filesystem::path folder = [] {
    if (const char* given = std::getenv("RINGVALE_FUZZ_FOLDER"))
      return std::filesystem::path(given);
    auto path =
        std::filesystem::temp_directory_path() / ("ringvale-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(FuzzFolder(), ignored);
    });
    return path;
  }();
  return folder;
}

inline void EmptyFolder() {
  for (const auto& entry : std::filesystem::directory_iterator(FuzzFolder()))
    std::filesystem::remove_all(entry.path());
}

using test::ReadBytes;
using test::WriteBytes;

// Counts the lines a reader may blame: a RecordError beyond the last line plus one is a lie.
inline int LineCount(const std::string& bytes) {
  int lines = 1;
  for (char c : bytes) lines += c == '\n' || c == '\r';
  return lines;
}

// True when `readFields` reads the whole text and nothing is left over; a RecordError must name
// a line the text has.
template <typename ReadFields>
bool ReadsWholly(const std::string& bytes, ReadFields readFields) {
  try {
    RecordReader reader(bytes);
    readFields(reader);
    return reader.AtEnd();
  } catch (const RecordError& error) {
    if (error.line < 1 || error.line > LineCount(bytes) + 1)
      Fail("RecordError names line " + std::to_string(error.line));
    return false;
  }
}

// Reads the whole text as a career file; true when every field is sound.
inline bool ReadsAsCareer(const std::string& bytes) {
  return ReadsWholly(bytes, [](RecordReader& reader) {
    reader.String();
    reader.Number();
    reader.Money();
    reader.Number();
    reader.EndLine();
    for (int entry = 0; entry < 10; ++entry) {
      reader.String();
      for (int field = 0; field < 10; ++field) reader.Number();
      reader.EndLine();
    }
  });
}

// Reads the whole text as a hall of fame; true when it holds ten sound lines and no more.
inline bool ReadsAsHall(const std::string& bytes) {
  return ReadsWholly(bytes, [](RecordReader& reader) {
    for (int entry = 0; entry < 10; ++entry) {
      reader.String();
      reader.Number();
      reader.Money();
      reader.EndLine();
    }
  });
}

// Drives the reader with calls picked by the input's own bytes, so every call meets every kind
// of text: nothing but RecordError may escape, and the line count never goes back.
inline void ReadFreely(const std::string& bytes) {
  try {
    RecordReader reader(bytes);
    int line = reader.LineNumber();
    for (std::size_t call = 0; call < 64 && !bytes.empty(); ++call) {
      switch (static_cast<unsigned char>(bytes[call % bytes.size()]) % 5) {
        case 0:
          reader.String();
          break;
        case 1:
          reader.Number();
          break;
        case 2:
          reader.Money();
          break;
        case 3:
          reader.EndLine();
          break;
        case 4:
          (void)reader.AtEnd();
          break;
      }
      if (reader.LineNumber() < line) Fail("the reader went back a line");
      line = reader.LineNumber();
    }
  } catch (const RecordError&) {
  }
}

}  // namespace ringvale::fuzz
