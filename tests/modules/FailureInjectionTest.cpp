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

}  // namespace
}  // namespace ringvale::test
