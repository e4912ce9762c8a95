// Files that go wrong under the game: each failure is reported, and the career in memory and
// every file in the game folder stay exactly as they were.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "TestGame.h"
#include "modEvents.h"
#include "modFile.h"

namespace ringvale::test {
namespace {

namespace fs = std::filesystem;

std::string Fixture(const std::string& name) {
  return ReadBytes(fs::path(RINGVALE_FIXTURES) / name);
}

// Every file and folder under `root` with its bytes; folders map to "<folder>".
std::map<std::string, std::string> Snapshot(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = fs::relative(entry.path(), root).string();
    files[name] = entry.is_directory() ? "<folder>" : ReadBytes(entry.path());
  }
  return files;
}

// A game holding the career of Rocky, loaded from its file, beside a hall of fame.
struct LoadedGame : TestGame {
  LoadedGame() {
    careerFile = game.folder / "Rocky.box";
    WriteBytes(careerFile, Fixture("rocky-year3.box"));
    WriteBytes(game.folder / HallFileName, hallOfFame);
    LoadBoxer(game, careerFile);
    if (!screen.messages.empty()) throw std::logic_error(screen.messages[0].prompt);
    careerBefore = game.career;
    filesBefore = Snapshot(game.folder);
  }
  void ExpectNothingChanged() {
    EXPECT_EQ(game.career, careerBefore);
    EXPECT_EQ(Snapshot(game.folder), filesBefore);
  }
  // The one message shown since the career was loaded.
  Shown OnlyMessage() {
    EXPECT_EQ(screen.messages.size(), 1u);
    return screen.messages.empty() ? Shown{} : screen.messages.back();
  }

  const std::string hallOfFame =
      "\"Ada Stone\",3,900000\r\n\"Bo Reyes\",2,800000\r\n"
      "\"Cy Munro\",2,700000\r\n\"Dan Oduya\",1,600000\r\n"
      "\"Eli Frost\",1,500000\r\n\"Fin Garde\",1,400000\r\n"
      "\"Gil Hart\",1,300000\r\n\"Hal Innes\",1,200000\r\n"
      "\"Ike Jonas\",1,100000\r\n\"Jay Kell\",1,50000\r\n";
  fs::path careerFile;
  Career careerBefore;
  std::map<std::string, std::string> filesBefore;
};

std::string Refused(const fs::path& path, const std::string& problem) {
  return std::string("\"")
      .append(path.string())
      .append("\" is not a boxer file that can be loaded.\n")
      .append(problem)
      .append(".");
}

// Loads `bytes` as another career file into a game holding Rocky's career; it must be refused
// with `problem`, changing nothing.
void ExpectRefused(const std::string& bytes, const std::string& problem) {
  LoadedGame t;
  const fs::path bad = t.game.folder / "Bad.box";
  WriteBytes(bad, bytes);
  t.filesBefore = Snapshot(t.game.folder);
  LoadBoxer(t.game, bad);
  EXPECT_EQ(t.OnlyMessage(), (Shown{Refused(bad, problem), "Cannot load boxer"}));
  t.ExpectNothingChanged();
}

// The fields of one record line, split at the commas outside quotes.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') quoted = !quoted;
    if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

std::string JoinedFields(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + fields[i];
  return line;
}

TEST(FailureInjection, SavingOverAFolderOfTheCareerFilesNameKeepsEverything) {
  LoadedGame t;
  fs::remove(t.careerFile);
  fs::create_directory(t.careerFile);
  WriteBytes(t.careerFile / "notes.txt", "the player's own notes");
  t.filesBefore = Snapshot(t.game.folder);
  t.game.career.Money = 5;
  t.careerBefore = t.game.career;

  SaveCareer(t.game);
  EXPECT_EQ(t.OnlyMessage(),
            (Shown{"Cannot write \"" + t.careerFile.string() +
                       "\": a folder of that name is in the way.\nThe career was not saved.",
                   "Cannot save boxer"}));
  t.ExpectNothingChanged();
}

TEST(FailureInjection, SavingIntoAFolderThatHasVanishedSaysSoAndCreatesNothing) {
  LoadedGame t;
  const fs::path gone = t.game.folder / "Careers";
  fs::create_directory(gone);
  const fs::path path = gone / "Rocky.box";
  fs::rename(t.careerFile, path);
  LoadBoxer(t.game, path);
  fs::remove_all(gone);
  t.screen.messages.clear();
  t.careerBefore = t.game.career;
  t.filesBefore = Snapshot(t.game.folder);

  SaveCareer(t.game);
  const Shown shown = t.OnlyMessage();
  EXPECT_EQ(shown.title, "Cannot save boxer");
  EXPECT_EQ(shown.prompt.rfind("Cannot write \"" + path.string() + "\": ", 0), 0u) << shown.prompt;
  EXPECT_NE(shown.prompt.find("\nThe career was not saved."), std::string::npos) << shown.prompt;
  t.ExpectNothingChanged();
  EXPECT_FALSE(fs::exists(gone));
}

TEST(FailureInjection, ATemporaryFileLeftByAnInterruptedSaveIsIgnoredThenReplaced) {
  LoadedGame t;
  const fs::path leftover = t.game.folder / "Rocky.box.tmp";
  const std::string cutShort = Fixture("rocky-year3.box").substr(0, 100);
  WriteBytes(leftover, cutShort);

  // Loading reads the career file, never the half-written one beside it.
  LoadBoxer(t.game, t.careerFile);
  EXPECT_TRUE(t.screen.messages.empty());
  EXPECT_EQ(t.game.career, t.careerBefore);
  EXPECT_EQ(ReadBytes(leftover), cutShort);

  t.game.career.Money = 4321;
  SaveCareer(t.game);
  EXPECT_TRUE(t.screen.messages.empty());
  EXPECT_FALSE(fs::exists(leftover));
  LoadBoxer(t.game, t.careerFile);
  EXPECT_EQ(t.game.career.Money, 4321);
  EXPECT_EQ(ReadBytes(t.game.folder / HallFileName), t.hallOfFame);
}

TEST(FailureInjection, ACareerFileCutOffAtAnyByteIsRefused) {
  const std::string whole = Fixture("rocky-year3.box");
  ASSERT_EQ(whole.substr(whole.size() - 2), "\r\n");
  // Only the final line feed may go: a lone carriage return still ends the last line.
  for (std::size_t size = 0; size + 1 < whole.size(); ++size) {
    SCOPED_TRACE("first " + std::to_string(size) + " bytes");
    LoadedGame t;
    const fs::path cut = t.game.folder / "Cut.box";
    WriteBytes(cut, whole.substr(0, size));
    t.filesBefore = Snapshot(t.game.folder);
    t.game.career.Money = 1;  // so that loading the cut file's own career would show
    t.careerBefore = t.game.career;
    LoadBoxer(t.game, cut);
    const Shown shown = t.OnlyMessage();
    EXPECT_EQ(shown.title, "Cannot load boxer");
    const std::string refused = std::string("\"")
                                    .append(cut.string())
                                    .append("\" is not a boxer file that can be loaded.\nLine ");
    EXPECT_EQ(shown.prompt.rfind(refused, 0), 0u) << shown.prompt;
    t.ExpectNothingChanged();
    if (HasFailure()) break;
  }
}

TEST(FailureInjection, ASeventeenBitNumberInAnyNumericFieldIsRefusedByLine) {
  const std::vector<std::string> lines = Lines(Fixture("rocky-year3.box"));
  ASSERT_EQ(lines.size(), 11u);
  int fieldsTried = 0;
  for (std::size_t line = 0; line < lines.size(); ++line) {
    const std::vector<std::string> fields = Fields(lines[line]);
    ASSERT_EQ(fields.size(), line == 0 ? 4u : 11u);
    // Header: weeks and title defences (money is a double); boxers: all but the name.
    std::vector<std::size_t> numeric = {1, 3};
    if (line > 0) numeric = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (const std::size_t field : numeric) {
      for (const std::string big : {"65536", "-65537", "32768"}) {
        SCOPED_TRACE("line " + std::to_string(line + 1) + ", field " + std::to_string(field + 1));
        std::vector<std::string> changed = fields;
        changed[field] = big;
        std::vector<std::string> file = lines;
        file[line] = JoinedFields(changed);
        ExpectRefused(Joined(file), "Line " + std::to_string(line + 1) + ": the number \"" + big +
                                        "\" is outside -32768 to 32767");
      }
      ++fieldsTried;
    }
  }
  EXPECT_EQ(fieldsTried, 2 + 10 * 10);
}

TEST(FailureInjection, AStrayDoubleQuoteInANameIsRefused) {
  const std::string good = Fixture("rocky-year3.box");
  const auto withName = [&](const std::string& name) {
    std::string text = good;
    return text.replace(text.find("\"Rocky, Jr\""), 11, name);
  };
  ExpectRefused(withName("\"Rocky \"The Rock\" Jr\""),
                "Line 2: there is text after a closing quote");
  ExpectRefused(withName("Rocky \"Jr\""), "Line 2: \"Rocky \"Jr\"\" holds a stray double quote");
  ExpectRefused(withName("\"Rocky"), "Line 2: a closing quote is missing");
}

// Found by fuzzing: the refresh after a load multiplied these into an overflow, which ended the
// game with the new career half shown.
TEST(FailureInjection, APlayerTooHeavyAndStrongToShowIsRefused) {
  std::string text = Fixture("rocky-year3.box");
  text.replace(text.find("\"Rocky, Jr\",120,110,"), 20, "\"Rocky, Jr\",300,110,");
  ExpectRefused(text, "Line 2: the player's strength and weight are too large");
}

TEST(FailureInjection, AHallOfFameOfFiveLinesIsReportedAndLeftAsItIs) {
  LoadedGame t;
  const fs::path hall = t.game.folder / HallFileName;
  std::vector<std::string> lines = Lines(t.hallOfFame);
  lines.resize(5);
  const std::string fiveLines = Joined(lines);
  WriteBytes(hall, fiveLines);
  t.filesBefore = Snapshot(t.game.folder);

  LoadHallOfFame(t.game);
  const Shown shown = t.OnlyMessage();
  // Which file, where, and what the game does instead.
  EXPECT_NE(shown.prompt.find(hall.string()), std::string::npos) << shown.prompt;
  EXPECT_NE(shown.prompt.find("Line 6: the file ends too early"), std::string::npos)
      << shown.prompt;
  EXPECT_NE(shown.prompt.find("The standard hall of fame is used instead."), std::string::npos)
      << shown.prompt;
  EXPECT_EQ(shown.title, "Ringvale");
  t.ExpectNothingChanged();
  for (int row = 0; row < 10; ++row)
    EXPECT_EQ(t.game.high.lstHigh[row].rfind(std::to_string(row + 1) + " - ", 0), 0u);
}

}  // namespace
}  // namespace ringvale::test
