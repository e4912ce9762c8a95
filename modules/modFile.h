// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "Game.h"
#include "RecordFile.h"

namespace ringvale {

inline constexpr const char* CareerHeader = "Pugrin 2001 - By Varnholt, Version 1.0";

// Menu commands.
void NewBoxer(Game& game);                                      // File > New Boxer
void LoadBoxer(Game& game, const std::filesystem::path& path);  // File > Load Boxer, file chosen
void SaveCareer(Game& game);                                    // File > Save Boxer

// The career file.
void WriteNewRoster(Game& game);  // appends the nine rivals to the file at CareerPath

// Refresh, load, refresh; the load reads the file at path. A file that fails to load, or whose
// career is open in another copy of the game, leaves the game as it was, CareerPath included,
// and answers false after telling the player why. A loaded career's files are locked against
// other copies until the game lets go of them.
bool OpenCareer(Game& game, const std::filesystem::path& path);
bool LoadCareer(Game& game, const std::filesystem::path& path);
void WriteNewRoster(Game& game, RecordWriter& file);  // draws the line-up, writes nine lines

// What every roster holds, loaded or played: a named player whose power fits 16 bits, ranks
// that are a permutation of 0 to LastPlace, and bookings that are mutual and due in 1 to
// WeeksAhead weeks. The rest of the game relies on it, so a file that breaks it is refused.
// Throws RecordError naming the file line of the first fault (boxer i is on line i + 2).
void CheckRoster(const Career& career);

// Where the career of a boxer with this name lives: the game folder, then "<name>.box".
std::filesystem::path CareerFilePath(const Game& game, const std::string& name);

// Copies the career into the main window and folds weeks into years.
void RefreshStatus(Game& game);
// Adds to what the main window's status bar says has happened since the week began.
void AddNews(Game& game, const std::string& news);

// Why a name cannot be a career file name, or "" when it can.
std::string CheckBoxerName(const std::string& name);

// A career file as the list of careers shows it: read by the loader's own parser, never loaded.
struct CareerSummary {
  std::filesystem::path Path;
  std::string Boxer;  // the player's name; the file's own name when it cannot be read
  Int16 TotalWeeks, Rank, Wins, Losses, Draws;
  double Money = 0;
  std::string Problem;  // why the career cannot be loaded; "" when it can
};
CareerSummary ReadCareerSummary(const std::filesystem::path& path);
// Every career file ("*.box", hidden ones too) in `folder`, in no particular order.
std::vector<CareerSummary> ListCareers(const std::filesystem::path& folder);

// Every file that belongs to the career saved at `careerPath`: its fight log, the career file and
// its lock, in the order deleting the career removes them. The hall of fame belongs to every
// career and is never one; copies set aside as damaged are left to the player.
std::vector<std::filesystem::path> CareerFilesOf(const std::filesystem::path& careerPath);
// Asks the player, then removes the career's files. True when they are gone. A career open in
// this game or in another copy of it is not deleted.
bool DeleteCareer(Game& game, const CareerSummary& career);

}  // namespace ringvale
