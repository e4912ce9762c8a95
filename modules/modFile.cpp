#include "modFile.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "FightLog.h"
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
// The name becomes "<name>.box" and, while saving, "<name>.box.tmp": keep it within the
// 255 bytes most file systems allow.
constexpr std::size_t LongestNameBytes = 200;

constexpr const char* CannotCreate = "Cannot create boxer";
constexpr const char* CannotLoad = "Cannot load boxer";
constexpr const char* CannotSave = "Cannot save boxer";

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

// The career file with its fight log beside it, written together. An empty log is no file.
std::vector<FileWrite> CareerFiles(const std::filesystem::path& path, const std::string& career,
                                   const FightLog& log, Int16 careerWeeks) {
  std::optional<std::string> logText;
  if (!log.Empty()) logText = FightLogText(log, careerWeeks);
  return {{path, career}, {FightLogPath(path), logText}};
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
    // A log left by an earlier career of this name goes with the file it described.
    WriteFilesSafely(CareerFiles(path, file.Text(), FightLog{}, 1));
  } catch (const std::runtime_error& error) {
    game.screen.Message(std::string(error.what()) + "\nThe boxer was not created.", CannotCreate);
    return;
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
  std::string bytes;
  try {
    bytes = ReadTextFile(path);
  } catch (const std::runtime_error& error) {
    game.screen.Message(error.what(), CannotLoad);
    return false;
  }
  Career loaded;
  try {
    loaded = ParseCareer(bytes);
  } catch (const RecordError& error) {
    game.screen.Message(
        Quoted(path) + " is not a boxer file that can be loaded.\n" + error.what() + ".",
        CannotLoad);
    return false;
  }
  loaded.CareerPath = Utf8Of(path);
  std::string logProblem;
  FightLog log = ReadFightLog(FightLogPath(path), loaded.Week, logProblem);
  game.career = std::move(loaded);
  ClearChallenge(game);
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
  const std::string text = CareerText(game.career);
  try {
    WriteFilesSafely(
        CareerFiles(PathOf(game.career.CareerPath), text, game.log, TotalWeeks(game.career)));
  } catch (const std::runtime_error& error) {
    game.screen.Message(std::string(error.what()) + "\nThe career was not saved.", CannotSave);
    return;
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
  const Int16 playerPower = RoundHalfEven((player.Weight * player.Strength) / 100.0);
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
}

}  // namespace ringvale
