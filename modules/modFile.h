#pragma once

#include <filesystem>
#include <string>

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
void OpenCareer(Game& game);      // refresh, load, refresh
void LoadCareer(Game& game);      // reads the file at CareerPath; a bad file changes nothing

// The same, for a path not yet the career's own: a file that fails to load leaves the game as
// it was, CareerPath included, and answers false after telling the player why.
bool OpenCareer(Game& game, const std::filesystem::path& path);
bool LoadCareer(Game& game, const std::filesystem::path& path);
void WriteNewRoster(Game& game, RecordWriter& file);  // draws the line-up, writes nine lines

// Where the career of a boxer with this name lives: the game folder, then "<name>.box".
std::filesystem::path CareerFilePath(const Game& game, const std::string& name);

// Money as the player reads it: the file's digits with the user's decimal separator.
std::string MoneyOnScreen(const Game& game, double money);

// Copies the career into the main window and folds weeks into years.
void RefreshStatus(Game& game);

// Why a name cannot be a career file name, or "" when it can.
std::string CheckBoxerName(const std::string& name);

}  // namespace ringvale
