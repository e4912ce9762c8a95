#include <gtest/gtest.h>

#include <functional>

#include "CareerFiles.h"

namespace ringvale::test {
namespace {

namespace fs = std::filesystem;

TEST(CareerFile, TheLineUpDrawRoundsHalvesToEven) {
  for (const auto& [draw, lineUp] : std::vector<std::pair<double, std::string>>{
           {0.2, "0"}, {0.5, "1"}, {0.8, "2"}, {0.25, "0"}, {0.75, "2"}}) {
    TestGame t;
    t.screen.inputs = {"Sam"};
    t.random.Push({draw});
    NewBoxer(t.game);
    EXPECT_EQ(ReadBytes(t.game.folder / "Sam.box"), Fixture("new-sam-lineup" + lineUp + ".box"))
        << "draw " << draw;
  }
}

TEST(CareerFile, NewWithNoNameOrABadNameChangesNothing) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> refusals = {
      {"", {""}},  // Cancel
      {"A boxer's name cannot contain control characters such as tabs.", {"Tab\there", "\x1f"}},
      {"A boxer's name cannot be \".\" or \"..\".", {".."}},
      {"A boxer's name cannot begin or end with a space.", {" Sam", "Sam "}},
      {"The name holds characters that cannot be stored.", {"Andr\xe9"}},
      {"That name is too long; please choose a shorter one.", {std::string(201, 'x')}},
      {"A boxer's name cannot contain any of these characters: \" / \\ : * ? < > |",
       {"S\"1", "S|1"}}};
  for (const auto& [refusal, names] : refusals) {
    for (const std::string& name : names) {
      SCOPED_TRACE(name);
      LoadedGame t;
      t.screen.inputs = {name};
      NewBoxer(t.game);
      t.ExpectShown(refusal.empty() ? std::vector<Shown>{}
                                    : std::vector<Shown>{{refusal, "Cannot create boxer"}});
      EXPECT_EQ(t.random.draws, 0);
    }
  }
  EXPECT_EQ(CheckBoxerName("Rocky, Jr. \u00e9"), "");
}

// Replacing a saved career takes a Yes; No or a closed box keeps it, on disk and in memory.
TEST(CareerFile, NewOverAnExistingCareerAsksFirst) {
  for (const auto& answers :
       {std::deque<bool>{false}, std::deque<bool>{}, std::deque<bool>{true}}) {
    LoadedGame t;
    t.screen.inputs = {"Rocky"};
    t.screen.answers = answers;
    t.random.Push({0.2});
    NewBoxer(t.game);
    EXPECT_EQ(t.screen.questions,
              (std::vector<Shown>{
                  {"A boxer named Rocky already has a career. Replace it?", "Ringvale"}}));
    if (answers.empty() || !answers.front()) {
      t.ExpectShown({});
      EXPECT_EQ(t.random.draws, 0);
      continue;
    }
    t.filesBefore["Rocky.box"] = Replaced(Fixture("new-sam-lineup0.box"), "\"Sam\"", "\"Rocky\"");
    EXPECT_EQ(Snapshot(t.folder.Path()), t.filesBefore);
    EXPECT_TRUE(t.screen.messages.empty());
    EXPECT_EQ(t.game.main.frmBoxer + ", " + t.game.main.lblWeeks, "Rocky, Year : 0, Week : 1");
  }
}

TEST(CareerFile, ABadFileIsRefusedByLineAndTheGameStaysAsItWas) {
  const std::string good = Fixture("rocky-year3.box");
  struct Case {
    std::string from, to, problem;
  };
  const std::string teoToDewey = "6,2\r\n\"Dewey Marchbank\",86,115,70,26,5,8,4,7,5,2";
  for (const Case& c : std::vector<Case>{
           {good.substr(good.find("\"Lonnie")), "", "Line 6: the file ends too early"},
           {"\"Rocky, Jr\",120", "\"Rocky, Jr\",300",
            "Line 2: the player's strength and weight are too large"},
           {",1234.5,", ",12,34,", "Line 1: the line has too many fields"},
           {",208,", ",0,", "Line 1: the week count 0 is not 1 to 572"},
           {",208,", ",573,", "Line 1: the week count 573 is not 1 to 572"},
           {"\"Rocky, Jr\"", "\"\"", "Line 2: the player's name is empty"},
           // Stray double quotes in a name.
           {"\"Rocky, Jr\"", "Rocky \"Jr\"", "Line 2: \"Rocky \"Jr\"\" holds a stray double quote"},
           {"\"Rocky, Jr\"", "\"Rocky", "Line 2: a closing quote is missing"},
           {"\"Walt Brannigan\",", "\"Walt Brannigan,", "Line 11: a closing quote is missing"},
           {"1,2,3,4\r\n", "1,3,3,4\r\n", "Line 5: rank 3 is already held on line 2"},
           {"1,2,3,4\r\n", "1,10,3,4\r\n", "Line 2: rank 10 is not one of 0 to 9"},
           {"1,2,3,4\r\n", "1,2,12,4\r\n",
            "Line 2: opponent 12 is neither 100 (no bout) nor another boxer's number"},
           {"33,4,7,2,5,100,", "33,4,7,2,5,7,",
            "Line 3: the bout with the boxer on line 9 is not booked on his line"},
           {"1,6,2\r\n", "1,6,3\r\n",
            "Line 7: the bout with the boxer on line 8 is due in a different week on his line"},
           {teoToDewey, Replaced(Replaced(teoToDewey, "6,2", "6,0"), "5,2", "5,0"),
            "Line 7: a booked bout is due in 0 weeks, not 1 to 6"},
           {teoToDewey, Replaced(Replaced(teoToDewey, "6,2", "6,7"), "5,2", "5,7"),
            "Line 7: a booked bout is due in 7 weeks, not 1 to 6"},
           {"4,9,100,1000\r\n", "4,9,100,1000\r\n\"Extra\",1\r\n",
            "Line 11: more text follows the last boxer's line"}}) {
    SCOPED_TRACE(c.problem);  // loading another career's file is refused, changing nothing
    LoadedGame t;
    const fs::path bad = t.game.folder / "Bad.box";
    WriteBytes(bad, Replaced(good, c.from, c.to));
    t.Keep();
    LoadBoxer(t.game, bad);
    t.ExpectShown({{Refused(bad) + c.problem + ".", "Cannot load boxer"}});
  }
}

TEST(CareerFile, MissingOrUnreadableFilesAreNamedAndChangeNothing) {
  LoadedGame t;
  const fs::path missing = t.game.folder / "Nobody.box", folder = t.game.folder / "Folder.box";
  fs::create_directory(folder);
  t.Keep();
  LoadBoxer(t.game, missing);
  LoadBoxer(t.game, folder);
  t.ExpectShown({{"Cannot read \"" + missing.string() + "\": No such file or directory.",
                  "Cannot load boxer"},
                 {"Cannot read \"" + folder.string() + "\": it is a folder, not a file.",
                  "Cannot load boxer"}});
}

TEST(CareerFile, RefreshClampsSpeedAndFoldsWeeksIntoYears) {
  LoadedGame t;
  Career& career = t.game.career;
  career.Player().Speed = 104;
  career.Year = 0;
  career.Week = 105;
  RefreshStatus(t.game);
  EXPECT_EQ(career.Player().Speed, 100);
  EXPECT_EQ(t.game.main.proSpeed, 100);
  EXPECT_EQ(t.game.main.lblWeeks, "Year : 2, Week : 1");
  career.Week = 52;
  RefreshStatus(t.game);
  EXPECT_EQ(t.game.main.lblWeeks, "Year : 2, Week : 52");

  const auto power = [&](int strength, int weight) {
    career.Player().Strength = strength;
    career.Player().Weight = weight;
    RefreshStatus(t.game);
    return t.game.main.proPower;
  };
  EXPECT_EQ(power(75, 130), 98);  // 97.5: halves round to even
  EXPECT_EQ(power(50, 193), 96);  // 96.5
  // 16-bit arithmetic overflows rather than wraps, and a save stops before writing.
  EXPECT_THROW(power(200, 200), OverflowError);
  career.Player().Strength = 90;
  career.Year = 700;
  EXPECT_THROW(SaveCareer(t.game), OverflowError);
  EXPECT_EQ(ReadBytes(t.careerFile), Fixture("rocky-year3.box"));
}

// A failed save is reported, and the career in memory and every file stay as they were.
TEST(CareerFile, AFailedSaveSaysWhyAndKeepsEveryFile) {
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
