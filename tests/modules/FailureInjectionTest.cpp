// Files that go wrong under the game: each failure is reported, and the career in memory and
// every file in the game folder stay exactly as they were.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "CareerFiles.h"

namespace ringvale::test {
namespace {

namespace fs = std::filesystem;

TEST(FailureInjection, AFailedSaveSaysWhyAndKeepsEveryFile) {
  const std::vector<std::pair<std::string, std::function<void(LoadedGame&)>>> cases = {
      {"the file is read-only",
       [](LoadedGame& t) { fs::permissions(t.careerFile, fs::perms::owner_read); }},
      {"a folder of that name is in the way",
       [](LoadedGame& t) {
         fs::remove(t.careerFile);
         fs::create_directory(t.careerFile);
         WriteBytes(t.careerFile / "notes.txt", "the player's own notes");
       }},
      // The save goes through "<file>.tmp" beside the career file.
      {"Is a directory",
       [](LoadedGame& t) { fs::create_directories(t.game.folder / "Rocky.box.tmp" / "in"); }},
      {"No such file or directory", [](LoadedGame& t) {  // the career's folder has vanished
         t.careerFile = t.game.folder / "Careers" / "Rocky.box";
         fs::create_directory(t.careerFile.parent_path());
         fs::rename(t.game.folder / "Rocky.box", t.careerFile);
         LoadBoxer(t.game, t.careerFile);
         fs::remove_all(t.careerFile.parent_path());
       }}};
  for (const auto& [reason, breakTheSave] : cases) {
    SCOPED_TRACE(reason);
    LoadedGame t;
    breakTheSave(t);
    t.game.career.Money = 5;
    t.Keep();
    SaveCareer(t.game);
    t.ExpectShown({{"Cannot write \"" + t.careerFile.string() + "\": " + reason +
                        ".\nThe career was not saved.",
                    "Cannot save boxer"}});
  }
}

TEST(FailureInjection, ATemporaryFileLeftByAnInterruptedSaveIsIgnoredThenReplaced) {
  LoadedGame t;
  const fs::path leftover = t.game.folder / "Rocky.box.tmp";
  WriteBytes(leftover, Fixture("rocky-year3.box").substr(0, 100));
  t.Keep();
  // Loading reads the career file, never the half-written one beside it.
  LoadBoxer(t.game, t.careerFile);
  t.ExpectShown({});

  t.game.career.Money = 4321;
  SaveCareer(t.game);
  EXPECT_TRUE(t.screen.messages.empty());
  EXPECT_FALSE(fs::exists(leftover));
  EXPECT_EQ(ReadBytes(t.careerFile), Replaced(Fixture("rocky-year3.box"), ",1234.5,", ",4321,"));
  EXPECT_EQ(ReadBytes(t.game.folder / HallFileName), t.hallOfFame);
}

TEST(FailureInjection, ACareerFileCutOffAtAnyByteIsRefused) {
  const std::string whole = Fixture("rocky-year3.box");
  ASSERT_TRUE(whole.ends_with("\r\n"));
  // Only the final line feed may go: a lone carriage return still ends the last line.
  for (std::size_t size = 0; size + 1 < whole.size() && !HasFailure(); ++size) {
    SCOPED_TRACE("first " + std::to_string(size) + " bytes");
    LoadedGame t;
    const fs::path cut = t.game.folder / "Cut.box";
    WriteBytes(cut, whole.substr(0, size));
    t.game.career.Money = 1;  // so that loading the cut file's own career would show
    t.Keep();
    LoadBoxer(t.game, cut);
    ASSERT_EQ(t.screen.messages.size(), 1u);
    EXPECT_TRUE(t.screen.messages[0].prompt.starts_with(Refused(cut) + "Line "));
    t.ExpectShown({{t.screen.messages[0].prompt, "Cannot load boxer"}});
  }
}

TEST(FailureInjection, ASeventeenBitNumberInAnyNumericFieldIsRefusedByLine) {
  const std::string good = Fixture("rocky-year3.box");
  int line = 1, fieldsTried = 0;
  for (std::size_t start = 0; start < good.size(); start = good.find("\r\n", start) + 2, ++line) {
    const std::size_t end = good.find("\r\n", start);
    int column = 0;  // of the fields after the quoted name
    for (std::size_t field = good.find("\",", start) + 2; field < end; ++column) {
      const std::size_t stop = std::min(good.find(',', field), end);
      if (line > 1 || column != 1) {  // the header's money is no 16-bit number
        for (const std::string big : {"32768", "-32769", "65536", "-65537"}) {
          SCOPED_TRACE("line " + std::to_string(line) + ", field " + std::to_string(column + 2));
          ExpectRefused(std::string(good).replace(field, stop - field, big),
                        "Line " + std::to_string(line) + ": the number \"" + big +
                            "\" is outside -32768 to 32767");
        }
        ++fieldsTried;
      }
      field = stop + 1;
    }
  }
  EXPECT_EQ(fieldsTried, 2 + 10 * 10);
}

TEST(FailureInjection, AHallOfFameOfFiveLinesIsReportedAndLeftAsItIs) {
  LoadedGame t;
  const fs::path hall = t.game.folder / HallFileName;
  std::string fiveLines = t.hallOfFame;
  for (int line = 0; line < 5; ++line) fiveLines.erase(fiveLines.rfind("\"Champ"));
  WriteBytes(hall, fiveLines);
  t.Keep();
  LoadHallOfFame(t.game);
  t.ExpectShown({{"\"" + hall.string() +
                      "\" is not a hall of fame that can be read.\nLine 6: the file ends too "
                      "early.\nThe standard hall of fame is used instead.",
                  "Ringvale"}});
  for (int row = 0; row < 10; ++row)
    EXPECT_TRUE(t.game.high.lstHigh[row].starts_with(std::to_string(row + 1) + " - "));
}

}  // namespace
}  // namespace ringvale::test
