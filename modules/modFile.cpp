// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modFile.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <utility>

#include "FightLog.h"
#include "FileSystem.h"
#include "Identity.h"
#include "RecordFile.h"
#include "modEvents.h"
#include "modGraphics.h"
#include "modSetFights.h"

namespace ringvale {

namespace {

// The forced retirement stops the calendar in year 10, so no career stands later than this.
constexpr int LastTotalWeeks = RetirementYear * WeeksPerYear + WeeksPerYear;
constexpr int HeaderLine = 1;
constexpr int FirstBoxerLine = 2;  // roster entry i is on line i + 2
// The name becomes "<name>.box" and, while saving, "<name>.box.<process>.tmp": keep it within
// the 255 bytes most file systems allow.
constexpr std::size_t LongestNameBytes = 200;

constexpr const char* CannotCreate = "Cannot create boxer";
constexpr const char* CannotLoad = "Cannot load boxer";
constexpr const char* CannotSave = "Cannot save boxer";
constexpr const char* CannotDelete = "Cannot delete boxer";
constexpr std::string_view CareerExtension = ".box";

// A new career draws one of three line-ups of the rivals' places: 2 x r rounds to 0, 1 or 2.
constexpr int LineUps = 3;

struct Rival {
  const char* Name;
  int Strength, Weight, Speed, Wins, Losses, KOs, Draws;
  std::array<int, LineUps> RankByLineUp;
};

// The nine rivals of every new career, in roster order 1 to 9.
constexpr auto NewRivals = Exactly<RosterSize - 1, Rival>({
    {"Calvin Drummore", 90, 110, 70, 32, 3, 7, 2, {8, 0, 1}},
    {"Rollo Vantree", 95, 117, 65, 34, 5, 30, 3, {7, 7, 2}},
    {"Bram Kestovic", 86, 102, 78, 25, 4, 8, 5, {6, 8, 3}},
    {"Lonnie Garbutt", 87, 105, 81, 45, 3, 7, 2, {5, 6, 0}},
    {"Teo Vasquero", 95, 110, 70, 34, 5, 30, 3, {4, 4, 5}},
    {"Dewey Marchbank", 86, 115, 70, 25, 4, 8, 4, {3, 5, 4}},
    {"Ezra Kolade", 100, 105, 60, 45, 3, 7, 1, {2, 3, 8}},
    {"Hollis Pryde", 87, 90, 78, 34, 5, 30, 2, {1, 2, 6}},
    {"Walt Brannigan", 88, 111, 77, 25, 4, 8, 4, {0, 1, 7}},
});

// Each line-up gives the rivals every place but the new player's last one, each once.
constexpr bool LineUpsRankEveryRivalOnce() {
  for (int lineUp = 0; lineUp < LineUps; ++lineUp) {
    std::array<bool, RosterSize> taken{};
    taken[LastPlace] = true;
    for (const Rival& rival : NewRivals) {
      const int rank = rival.RankByLineUp[lineUp];
      if (rank < 0 || rank >= RosterSize || taken[rank]) return false;
      taken[rank] = true;
    }
  }
  return true;
}
static_assert(LineUpsRankEveryRivalOnce(),
              "each line-up must give the rivals places 0 to 8, once each");

RosterEntry NewPlayer(const std::string& name) {
  RosterEntry player;
  player.Name = name;
  player.Strength = 90;
  player.Weight = 108;
  player.Speed = 86;
  player.Rank = LastPlace;
  player.Opponent = NoOpponent;
  return player;
}

RosterEntry NewRival(const Rival& rival, int lineUp) {
  RosterEntry entry;
  entry.Name = rival.Name;
  entry.Strength = rival.Strength;
  entry.Weight = rival.Weight;
  entry.Speed = rival.Speed;
  entry.Wins = rival.Wins;
  entry.Losses = rival.Losses;
  entry.KOs = rival.KOs;
  entry.Draws = rival.Draws;
  entry.Rank = rival.RankByLineUp.at(lineUp);
  entry.Opponent = NoOpponent;
  return entry;
}

// The file keeps KOs before Draws and Opponent before WeeksToBout.
void WriteBoxerLine(RecordWriter& file, const RosterEntry& boxer) {
  file.String(boxer.Name).Number(boxer.Strength).Number(boxer.Weight).Number(boxer.Speed);
  file.Number(boxer.Wins).Number(boxer.Losses).Number(boxer.KOs).Number(boxer.Draws);
  file.Number(boxer.Rank).Number(boxer.Opponent).Number(boxer.WeeksToBout).EndLine();
}

RosterEntry ReadBoxerLine(RecordReader& file) {
  RosterEntry boxer;
  boxer.Name = file.String();
  boxer.Strength = file.Number();
  boxer.Weight = file.Number();
  boxer.Speed = file.Number();
  boxer.Wins = file.Number();
  boxer.Losses = file.Number();
  boxer.KOs = file.Number();
  boxer.Draws = file.Number();
  boxer.Rank = file.Number();
  boxer.Opponent = file.Number();
  boxer.WeeksToBout = file.Number();
  file.EndLine();
  return boxer;
}

std::string Text(Int16 value) {
  return std::to_string(static_cast<int>(value));
}

// A whole career from a file's text; throws RecordError naming the line at fault.
Career ParseCareer(const std::string& bytes) {
  RecordReader file(bytes);
  Career career;
  file.String();  // the header text: any text will do
  const Int16 totalWeeks = file.Number();
  career.Money = file.Money();
  career.TitleDefences = file.Number();
  file.EndLine();
  if (totalWeeks < 1 || totalWeeks > LastTotalWeeks) {
    throw RecordError(HeaderLine, "the week count " + Text(totalWeeks) + " is not 1 to " +
                                      std::to_string(LastTotalWeeks));
  }
  // Year stays 0: the refresh after the load splits the total into years and weeks.
  career.Week = totalWeeks;
  for (RosterEntry& boxer : career.Roster) boxer = ReadBoxerLine(file);
  if (!file.AtEnd()) {
    throw RecordError(FirstBoxerLine + RosterSize - 1, "more text follows the last boxer's line");
  }
  // Saves end every line with CRLF. A last line without its end was cut off, perhaps inside its
  // last number, which would then load as a smaller one.
  const std::size_t last = bytes.find_last_not_of(" \t");
  if (last == std::string::npos || (bytes[last] != '\r' && bytes[last] != '\n')) {
    throw RecordError(FirstBoxerLine + RosterSize - 1, "the line is cut off before its end");
  }
  CheckRoster(career);
  return career;
}

// Paths travel as UTF-8 strings, whatever the system's own encoding for file names.
std::filesystem::path PathOf(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string Quoted(const std::filesystem::path& path) {
  return "\"" + Utf8Of(path) + "\"";
}

// The career in the file at `path`; false after telling the player why there is none.
bool ReadCareer(Game& game, const std::filesystem::path& path, Career& loaded) {
  std::string bytes;
  try {
    bytes = ReadTextFile(path);
  } catch (const std::runtime_error& error) {
    game.screen.Message(error.what(), CannotLoad);
    return false;
  }
  try {
    loaded = ParseCareer(bytes);
  } catch (const RecordError& error) {
    game.screen.Message(
        Quoted(path) + " is not a boxer file that can be loaded.\n" + error.what() + ".",
        CannotLoad);
    return false;
  }
  return true;
}

// Writes the career file and its fight log as one. The log is renamed into place first, so a
// save cut short leaves at worst a log ahead of its career, which loads cut back to the career's
// week: the files load as the career before the save or after it, each with its whole log. An
// empty log is no file: an old one goes once the career is in place, and should it stay, it is
// ahead of that career and loads cut back to nothing. Something other than a file at the log's
// path is left alone: answers what it is, or "" when the log was kept.
std::string WriteCareerFiles(const std::filesystem::path& path, const std::string& career,
                             const FightLog& log, Int16 careerWeeks) {
  const std::filesystem::path logPath = FightLogPath(path);
  const std::string other = NotAFile(logPath);
  std::vector<FileWrite> files;
  if (other.empty() && !log.Empty()) files.push_back({logPath, FightLogText(log, careerWeeks)});
  files.push_back({path, career});
  WriteFilesSafely(files);
  std::error_code ignored;
  if (other.empty() && log.Empty() &&
      std::filesystem::exists(std::filesystem::symlink_status(logPath, ignored)) &&
      RemoveFile(logPath) == 0) {
    SyncFolder(logPath.parent_path());
  }
  return other.empty() ? "" : Quoted(logPath) + " is " + other + ", not a file";
}

// This process's hold on a career's files; null when another copy of the game has them.
std::shared_ptr<FileLock> LockCareer(const Game& game, const std::filesystem::path& path) {
  const std::filesystem::path lockPath = LockPathOf(path);
  if (game.careerLock && game.careerLock->Path() == lockPath) return game.careerLock;
  return LockFile(lockPath, false);
}

std::string OpenElsewhere(const std::string& name) {
  return name + "'s career is open in another Ringvale window.";
}

std::string CareerText(const Career& career) {
  RecordWriter file;
  file.String(CareerHeader)
      .Number(TotalWeeks(career))
      .Money(career.Money)
      .Number(career.TitleDefences);
  file.EndLine();
  for (const RosterEntry& boxer : career.Roster) WriteBoxerLine(file, boxer);
  return file.Text();
}

}  // namespace

void CheckRoster(const Career& career) {
  const auto& roster = career.Roster;
  if (roster[PlayerIndex].Name.empty()) {
    throw RecordError(FirstBoxerLine, "the player's name is empty");
  }
  for (const auto& [quality, value] : {std::pair{"strength", roster[PlayerIndex].Strength},
                                       std::pair{"weight", roster[PlayerIndex].Weight}}) {
    if (value < 0) {
      throw RecordError(FirstBoxerLine, std::string("the player's ") + quality + " " + Text(value) +
                                            " is out of range");
    }
  }
  // The refresh after the load multiplies these in 16 bits; overflowing there would end the game.
  try {
    (void)(roster[PlayerIndex].Weight * roster[PlayerIndex].Strength);
  } catch (const OverflowError&) {
    throw RecordError(FirstBoxerLine, "the player's strength and weight are too large");
  }
  std::array<int, RosterSize> lineOfRank{};
  for (int i = 0; i < RosterSize; ++i) {
    const int line = FirstBoxerLine + i;
    const int rank = roster[i].Rank;
    if (rank < 0 || rank >= RosterSize) {
      throw RecordError(line, "rank " + std::to_string(rank) + " is not one of 0 to " +
                                  std::to_string(LastPlace));
    }
    if (lineOfRank[rank] != 0) {
      throw RecordError(line, "rank " + std::to_string(rank) + " is already held on line " +
                                  std::to_string(lineOfRank[rank]));
    }
    lineOfRank[rank] = line;
  }
  for (int i = 0; i < RosterSize; ++i) {
    const int line = FirstBoxerLine + i;
    const RosterEntry& boxer = roster[i];
    const int opponent = boxer.Opponent;
    if (opponent == NoOpponent) continue;
    if (opponent < 0 || opponent >= RosterSize || opponent == i) {
      throw RecordError(line, "opponent " + std::to_string(opponent) + " is neither " +
                                  std::to_string(NoOpponent) +
                                  " (no bout) nor another boxer's number");
    }
    const RosterEntry& other = roster[opponent];
    const std::string otherLine = std::to_string(FirstBoxerLine + opponent);
    if (other.Opponent != i) {
      throw RecordError(
          line, "the bout with the boxer on line " + otherLine + " is not booked on his line");
    }
    if (other.WeeksToBout != boxer.WeeksToBout) {
      throw RecordError(line, "the bout with the boxer on line " + otherLine +
                                  " is due in a different week on his line");
    }
    if (boxer.WeeksToBout < 1 || boxer.WeeksToBout > WeeksAhead) {
      throw RecordError(line, "a booked bout is due in " + Text(boxer.WeeksToBout) +
                                  " weeks, not 1 to " + std::to_string(WeeksAhead));
    }
  }
}

std::filesystem::path CareerFilePath(const Game& game, const std::string& name) {
  return game.folder / PathOf(name + ".box");
}

std::string CheckBoxerName(const std::string& name) {
  if (name.empty()) return "Please type a name for your boxer.";
  if (!IsValidUtf8(name)) return "The name holds characters that cannot be stored.";
  if (name.size() > LongestNameBytes) return "That name is too long; please choose a shorter one.";
  constexpr std::string_view NotInFileNames = "\"/\\:*?<>|";
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    // C0 controls, DEL, and the C1 controls U+0080 to U+009F (UTF-8 C2 80 to C2 9F).
    const bool control =
        byte < 0x20 || byte == 0x7F ||
        (byte == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) < 0xA0);
    if (control) return "A boxer's name cannot contain control characters such as tabs.";
    if (NotInFileNames.find(name[i]) != std::string_view::npos) {
      return "A boxer's name cannot contain any of these characters: \" / \\ : * ? < > |";
    }
  }
  if (name == "." || name == "..") return "A boxer's name cannot be \".\" or \"..\".";
  if (name.front() == ' ' || name.back() == ' ') {
    return "A boxer's name cannot begin or end with a space.";
  }
  return "";
}

void NewBoxer(Game& game) {
  const std::string name = game.screen.InputBox("Whats your name?", "Create a new boxer");
  if (name.empty()) return;  // Cancel
  if (const std::string refusal = CheckBoxerName(name); !refusal.empty()) {
    game.screen.Message(refusal, CannotCreate);
    return;
  }
  const std::filesystem::path path = CareerFilePath(game, name);
  const auto lock = LockCareer(game, path);
  if (!lock) {
    game.screen.Message(OpenElsewhere(name), AppTitle);
    return;
  }
  std::error_code ignored;
  if (std::filesystem::is_regular_file(path, ignored) &&
      !game.screen.Confirm("A boxer named " + name + " already has a career. Replace it?",
                           AppTitle)) {
    return;
  }
  RecordWriter file;
  file.String(CareerHeader).Number(1).Money(StartingMoney).Number(0).EndLine();
  WriteBoxerLine(file, NewPlayer(name));
  WriteNewRoster(game, file);
  // One write of the whole file: a failure leaves no half-made career behind.
  try {
    // A log left by an earlier career of this name goes with the file it described; something
    // other than a file there is named when the career loads.
    WriteCareerFiles(path, file.Text(), FightLog{}, 1);
  } catch (const WriteError& error) {
    if (!error.Saved) {
      game.screen.Message(std::string(error.what()) + "\nThe boxer was not created.", CannotCreate);
      return;
    }
    game.screen.Message(error.what(), AppTitle);
  }
  OpenCareer(game, path);
}

void WriteNewRoster(Game& game, RecordWriter& file) {
  game.random.Reseed();
  const int lineUp = RoundHalfEven((LineUps - 1) * game.random.Next());
  for (const Rival& rival : NewRivals) WriteBoxerLine(file, NewRival(rival, lineUp));
}

void WriteNewRoster(Game& game) {
  const std::filesystem::path path = PathOf(game.career.CareerPath);
  try {
    const std::string start = ReadTextFile(path);
    RecordWriter rivals;
    WriteNewRoster(game, rivals);
    WriteFileSafely(path, start + rivals.Text());
  } catch (const std::runtime_error& error) {
    game.screen.Message(error.what(), CannotCreate);
  }
}

bool OpenCareer(Game& game, const std::filesystem::path& path) {
  RefreshStatus(game);
  return LoadCareer(game, path);
}

bool LoadCareer(Game& game, const std::filesystem::path& path) {
  // Read before locking, so a file that is no career gets no lock file beside it.
  Career loaded;
  if (!ReadCareer(game, path, loaded)) return false;
  const auto lock = LockCareer(game, path);
  if (!lock) {
    game.screen.Message(OpenElsewhere(loaded.Player().Name), AppTitle);
    return false;
  }
  // The copy of the game that held the lock until now may have saved since.
  if (lock != game.careerLock && !ReadCareer(game, path, loaded)) return false;
  const std::filesystem::path logPath = FightLogPath(path);
  RemoveLeftoverTemporaries(path);
  RemoveLeftoverTemporaries(logPath);
  loaded.CareerPath = Utf8Of(path);
  std::string logProblem;
  FightLog log = ReadFightLog(logPath, loaded.Week, logProblem);
  game.career = std::move(loaded);
  game.careerLock = lock;
  game.savedWeeks = TotalWeeks(game.career);
  ClearChallenge(game);  // and with it what the status bar said of the career before
  game.log = std::move(log);
  RefreshStatus(game);
  // A log that cannot be read never stops the career.
  if (!logProblem.empty()) game.screen.Message(logProblem, AppTitle);
  return true;
}

void LoadBoxer(Game& game, const std::filesystem::path& path) {
  if (path.empty()) return;
  if (OpenCareer(game, path)) ListUpcomingFights(game);
}

void SaveCareer(Game& game) {
  if (!game.career.IsLoaded()) {
    game.screen.Message("No boxer loaded!!", "Uh-oh!");
    return;
  }
  const std::filesystem::path path = PathOf(game.career.CareerPath);
  // Held since the career was loaded; taken here only for a career set up in memory.
  const auto lock = LockCareer(game, path);
  if (!lock) {
    game.screen.Message(OpenElsewhere(game.career.Player().Name) + "\nThe career was not saved.",
                        CannotSave);
    return;
  }
  game.careerLock = lock;
  const std::string text = CareerText(game.career);
  std::string logProblem;
  try {
    logProblem = WriteCareerFiles(path, text, game.log, TotalWeeks(game.career));
  } catch (const WriteError& error) {
    if (!error.Saved) {
      game.screen.Message(std::string(error.what()) + "\nThe career was not saved.", CannotSave);
      return;
    }
    game.screen.Message(error.what(), AppTitle);
  }
  game.savedWeeks = TotalWeeks(game.career);
  game.main.lblNews = "Saved at " + WeekText(game.savedWeeks) + ".";
  if (!logProblem.empty()) {
    game.screen.Message("The career was saved, but not its fight log: " + logProblem + ".",
                        AppTitle);
  }
  RefreshStatus(game);
}

void RefreshStatus(Game& game) {
  Career& career = game.career;
  MainWindow& window = game.main;
  for (const RosterEntry& boxer : career.Roster) {
    const int rank = boxer.Rank;
    if (rank == 0) {
      window.lblChamp = boxer.Name;
      window.lstRanks.at(0) = "";
    } else {
      window.lstRanks.at(rank) = boxer.Name;
    }
    window.cmbBoxers.at(rank) = boxer.Name;
  }
  RosterEntry& player = career.Player();
  const Int16 playerPower = RoundHalfEven((player.Weight * player.Strength) / double(PowerDivisor));
  window.frmBoxer = player.Name;
  window.lblStrength = Text(player.Strength);
  window.lblWeight = Text(player.Weight);
  window.lblSpeed = Text(player.Speed);
  window.lblWins = Text(player.Wins);
  window.lblLosses = Text(player.Losses);
  window.lblKO = Text(player.KOs);
  window.lblDraws = Text(player.Draws);
  window.lblMoney = "$" + MoneyOnScreen(game, career.Money);
  // A stronger boxer shows a full bar and keeps his numbers.
  window.proPower = std::clamp<int>(playerPower, 0, PowerBarTop);
  if (player.Speed > SpeedBarTop) player.Speed = SpeedBarTop;
  window.proSpeed = std::max<int>(player.Speed, 0);
  while (career.Week > WeeksPerYear) {
    career.Week -= WeeksPerYear;
    career.Year += 1;
    if (career.Year == RetirementYear) ForcedRetirement(game);
  }
  window.lblWeeks = "Year : " + Text(career.Year) + ", Week : " + Text(career.Week);
  const int unsaved = career.IsLoaded() ? int(TotalWeeks(career)) - game.savedWeeks : 0;
  window.lblSaved = unsaved <= 0 ? ""
                                 : std::to_string(unsaved) + (unsaved == 1 ? " week" : " weeks") +
                                       " played since the last save";
}

void AddNews(Game& game, const std::string& news) {
  std::string& shown = game.main.lblNews;
  shown += (shown.empty() ? "" : " ") + news;
}

CareerSummary ReadCareerSummary(const std::filesystem::path& path) {
  CareerSummary summary;
  summary.Path = path;
  summary.Boxer = Utf8Of(path.filename());
  if (summary.Boxer.size() > CareerExtension.size() && summary.Boxer.ends_with(CareerExtension)) {
    summary.Boxer.resize(summary.Boxer.size() - CareerExtension.size());
  }
  try {
    const Career career = ParseCareer(ReadTextFile(path));
    const RosterEntry& player = career.Player();
    summary.Boxer = player.Name;
    summary.TotalWeeks = career.Week;  // not yet folded into years
    summary.Rank = player.Rank;
    summary.Wins = player.Wins;
    summary.Losses = player.Losses;
    summary.Draws = player.Draws;
    summary.Money = career.Money;
  } catch (const std::runtime_error& error) {
    summary.Problem = error.what();
  }
  return summary;
}

std::vector<CareerSummary> ListCareers(const std::filesystem::path& folder) {
  std::vector<CareerSummary> careers;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    if (Utf8Of(entry->path().filename()).ends_with(CareerExtension) &&
        entry->is_regular_file(error)) {
      careers.push_back(ReadCareerSummary(entry->path()));
    }
  }
  return careers;
}

std::vector<std::filesystem::path> CareerFilesOf(const std::filesystem::path& careerPath) {
  return {FightLogPath(careerPath), careerPath, LockPathOf(careerPath)};
}

bool DeleteCareer(Game& game, const CareerSummary& career) {
  std::error_code error;
  // Its files would only come back with the next save.
  if (game.career.IsLoaded() &&
      std::filesystem::equivalent(career.Path, PathOf(game.career.CareerPath), error)) {
    game.screen.Message(career.Boxer + "'s career is the one being played. Load or start " +
                            "another before deleting it.",
                        CannotDelete);
    return false;
  }
  if (!game.screen.Confirm("Delete " + career.Boxer + "'s career? This cannot be undone.",
                           AppTitle)) {
    return false;
  }
  // Held while its files go, so no other copy of the game opens the career half deleted.
  const auto lock = LockCareer(game, career.Path);
  if (!lock) {
    game.screen.Message(OpenElsewhere(career.Boxer), AppTitle);
    return false;
  }
  // In the order of CareerFilesOf: while the career file is left, the career stays in the list to
  // be deleted again; the lock goes last. A folder of one of these names is the player's own.
  for (const std::filesystem::path& file : CareerFilesOf(career.Path)) {
    if (std::filesystem::is_directory(std::filesystem::symlink_status(file, error))) continue;
    if (!std::filesystem::remove(file, error) && error) {
      game.screen.Message("Cannot delete " + Quoted(file) + ": " + error.message() + ".",
                          CannotDelete);
      return false;
    }
  }
  return true;
}

}  // namespace ringvale
