#include <gtest/gtest.h>

#include <algorithm>

#include "TestGame.h"
#include "modFile.h"

namespace ringvale {
namespace {

using test::ReadBytes;
using test::Shown;
using test::TestGame;
using test::WriteBytes;

namespace fs = std::filesystem;

std::string Fixture(const std::string& name) {
  return ReadBytes(fs::path(RINGVALE_FIXTURES) / name);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  if (at == std::string::npos) throw std::logic_error("fixture lacks " + from);
  return text.replace(at, from.size(), to);
}

// Copies a fixture into the game folder and loads it as the career in memory.
fs::path LoadFixture(TestGame& t, const std::string& fixture, const std::string& fileName) {
  const fs::path path = t.game.folder / fileName;
  WriteBytes(path, Fixture(fixture));
  LoadBoxer(t.game, path);
  if (!t.screen.messages.empty()) throw std::logic_error(t.screen.messages[0].prompt);
  return path;
}

std::vector<std::string> FilesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(CareerFile, NewBoxerWritesTheNewCareerFileAndShowsIt) {
  TestGame t;
  t.game.main.comUpcoming = {"kept until the next week"};
  t.screen.inputs = {"Sam"};
  t.random.Push({0.2});
  NewBoxer(t.game);

  EXPECT_EQ(t.screen.inputPrompts,
            (std::vector<Shown>{{"Whats your name?", "Create a new boxer"}}));
  EXPECT_TRUE(t.screen.messages.empty());
  EXPECT_EQ(t.random.reseeds, 1);
  EXPECT_EQ(FilesIn(t.game.folder), std::vector<std::string>{"Sam.box"});
  EXPECT_EQ(ReadBytes(t.game.folder / "Sam.box"), Fixture("new-sam-lineup0.box"));
  EXPECT_EQ(t.game.career.CareerPath, (t.game.folder / "Sam.box").string());
  EXPECT_EQ(t.game.career.Year, 0);
  EXPECT_EQ(t.game.career.Week, 1);

  const MainWindow& main = t.game.main;
  EXPECT_EQ(main.frmBoxer, "Sam");
  EXPECT_EQ((std::vector<std::string>{main.lblStrength, main.lblWeight, main.lblSpeed, main.lblWins,
                                      main.lblLosses, main.lblKO, main.lblDraws}),
            (std::vector<std::string>{"90", "108", "86", "0", "0", "0", "0"}));
  EXPECT_EQ(main.lblWeeks, "Year : 0, Week : 1");
  EXPECT_EQ(main.lblMoney, "$20000");
  EXPECT_EQ(main.proPower, 97);
  EXPECT_EQ(main.proSpeed, 86);
  EXPECT_EQ(main.lblChamp, "Walt Brannigan");
  const std::array<std::string, 10> byRank = {
      "Walt Brannigan", "Hollis Pryde",  "Ezra Kolade",   "Dewey Marchbank", "Teo Vasquero",
      "Lonnie Garbutt", "Bram Kestovic", "Rollo Vantree", "Calvin Drummore", "Sam"};
  EXPECT_EQ(main.cmbBoxers, byRank);
  std::array<std::string, 10> contenders = byRank;
  contenders[0] = "";
  EXPECT_EQ(main.lstRanks, contenders);
  EXPECT_EQ(main.comUpcoming, std::vector<std::string>{"kept until the next week"});
}

TEST(CareerFile, TheLineUpDrawRoundsHalvesToEven) {
  const std::vector<std::pair<double, std::string>> draws = {
      {0.2, "0"}, {0.5, "1"}, {0.8, "2"}, {0.25, "0"}, {0.75, "2"}};
  for (const auto& [draw, lineUp] : draws) {
    TestGame t;
    t.screen.inputs = {"Sam"};
    t.random.Push({draw});
    NewBoxer(t.game);
    EXPECT_EQ(ReadBytes(t.game.folder / "Sam.box"), Fixture("new-sam-lineup" + lineUp + ".box"))
        << "draw " << draw;
  }
  // The rivals alone, appended to a file holding the header and the player.
  TestGame t;
  const std::string full = Fixture("new-sam-lineup1.box");
  const fs::path path = t.game.folder / "Sam.box";
  WriteBytes(path, full.substr(0, full.find("\"Calvin")));
  t.game.career.CareerPath = path.string();
  t.random.Push({0.5});
  WriteNewRoster(t.game);
  EXPECT_EQ(ReadBytes(path), full);
}

TEST(CareerFile, NewWithNoNameOrABadNameChangesNothing) {
  std::vector<std::pair<std::string, std::string>> names = {
      {"", ""},  // Cancel
      {"Tab\there", "A boxer's name cannot contain control characters such as tabs."},
      {"Line\nbreak", "A boxer's name cannot contain control characters such as tabs."},
      {".", "A boxer's name cannot be \".\" or \"..\"."},
      {"..", "A boxer's name cannot be \".\" or \"..\"."},
      {" Sam", "A boxer's name cannot begin or end with a space."},
      {"Sam ", "A boxer's name cannot begin or end with a space."},
      {"Andr\xe9", "The name holds characters that cannot be stored."},
      {std::string(201, 'x'), "That name is too long; please choose a shorter one."},
  };
  for (const char c : std::string("\"/\\:*?<>|")) {
    names.push_back({std::string("Sam") + c + "1",
                     "A boxer's name cannot contain any of these characters: \" / \\ : * ? < > |"});
  }
  for (const auto& [name, refusal] : names) {
    TestGame t;
    LoadFixture(t, "rocky-year3.box", "Rocky.box");
    const Career before = t.game.career;
    t.screen.inputs = {name};
    NewBoxer(t.game);
    const auto expected = refusal.empty() ? std::vector<Shown>{}
                                          : std::vector<Shown>{{refusal, "Cannot create boxer"}};
    EXPECT_EQ(t.screen.messages, expected) << name;
    EXPECT_EQ(t.game.career, before) << name;
    EXPECT_EQ(FilesIn(t.game.folder), std::vector<std::string>{"Rocky.box"}) << name;
    EXPECT_EQ(t.random.draws, 0) << name;
  }
  EXPECT_EQ(CheckBoxerName("Rocky, Jr. \u00e9"), "");
}

TEST(CareerFile, NewInAFolderThatCannotBeWrittenSaysSoAndChangesNothing) {
  TestGame t;
  LoadFixture(t, "rocky-year3.box", "Rocky.box");
  const Career before = t.game.career;
  t.game.folder /= "missing";
  t.screen.inputs = {"Sam"};
  t.random.Push({0.5});
  NewBoxer(t.game);
  EXPECT_EQ(t.screen.messages,
            (std::vector<Shown>{{"Cannot write \"" + (t.game.folder / "Sam.box").string() +
                                     "\": No such file or directory.\nThe boxer was not created.",
                                 "Cannot create boxer"}}));
  EXPECT_EQ(t.game.career, before);
  EXPECT_FALSE(fs::exists(t.game.folder));
}

TEST(CareerFile, LoadThenSaveGivesBackTheFileByteForByte) {
  TestGame t;
  const fs::path path = LoadFixture(t, "rocky-year3.box", "Rocky.box");
  const Career& career = t.game.career;
  EXPECT_EQ(career.Player().Name, "Rocky, Jr");
  EXPECT_EQ(career.Year, 3);
  EXPECT_EQ(career.Week, 52);
  EXPECT_EQ(career.Money, 1234.5);
  EXPECT_EQ(career.TitleDefences, 2);
  EXPECT_EQ(career.Roster[3].Opponent, 0);  // KOs before Draws, Opponent before WeeksToBout
  EXPECT_EQ(career.Roster[3].WeeksToBout, 4);
  EXPECT_EQ(career.Roster[3].KOs, 8);
  EXPECT_EQ(career.Roster[3].Draws, 5);
  EXPECT_EQ(t.game.main.lblMoney, "$1234.5");
  EXPECT_EQ(t.game.main.lblWeeks, "Year : 3, Week : 52");
  EXPECT_EQ(t.game.main.proPower, 130);  // 120 x 110 / 100 = 132: a full bar, the boxer untouched
  EXPECT_EQ(career.Player().Strength, 120);
  EXPECT_EQ(t.game.main.comUpcoming.size(), 2u);  // Load lists the booked bouts

  SaveCareer(t.game);
  EXPECT_EQ(ReadBytes(path), Fixture("rocky-year3.box"));
  SaveCareer(t.game);
  EXPECT_EQ(ReadBytes(path), Fixture("rocky-year3.box"));
  EXPECT_EQ(FilesIn(t.game.folder), std::vector<std::string>{"Rocky.box"});
  EXPECT_TRUE(t.screen.messages.empty());

  t.game.decimalPoint = ",";
  RefreshStatus(t.game);
  EXPECT_EQ(t.game.main.lblMoney, "$1234,5");
}

TEST(CareerFile, TotalWeeksCarryIntoYearsWhenLoaded) {
  TestGame t;
  const fs::path path = LoadFixture(t, "rocky-year3.box", "Rocky.box");
  t.game.career.Year = 4;
  t.game.career.Week = 1;
  SaveCareer(t.game);
  const std::string saved = ReadBytes(path);
  EXPECT_EQ(saved, Replaced(Fixture("rocky-year3.box"), ",208,", ",209,"));

  // Any text in the header's first field will do.
  WriteBytes(path, Replaced(saved, "Pugrin 2001 - By Varnholt, Version 1.0", "My old boxer"));
  LoadBoxer(t.game, path);
  EXPECT_EQ(t.game.career.Year, 4);
  EXPECT_EQ(t.game.career.Week, 1);
  EXPECT_EQ(t.game.main.lblWeeks, "Year : 4, Week : 1");
  EXPECT_TRUE(t.screen.messages.empty());
}

TEST(CareerFile, OtherLineEndsAndWindows1252FilesLoad) {
  TestGame t;
  LoadFixture(t, "rocky-year3.box", "Rocky.box");
  const Career crlf = t.game.career;
  for (const std::string end : {"\n", "\r"}) {
    std::string text = Fixture("rocky-year3.box");
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
      text.replace(at, 2, end);
    WriteBytes(t.game.folder / "Rocky.box", text);
    t.game.career = {};
    LoadBoxer(t.game, t.game.folder / "Rocky.box");
    EXPECT_EQ(t.game.career, crlf);
  }
  LoadFixture(t, "windows1252.box", "Andre.box");
  EXPECT_EQ(t.game.career.Player().Name, "Andr\u00e9 \u201cHammer\u201d");
  EXPECT_TRUE(t.screen.messages.empty());
}

TEST(CareerFile, ABadFileIsRefusedByLineAndTheGameStaysAsItWas) {
  const std::string good = Fixture("rocky-year3.box");
  const std::string teo = "\"Teo Vasquero\",95,110,70,35,6,30,3,1,6,";
  const std::string dewey = "\"Dewey Marchbank\",86,115,70,26,5,8,4,7,5,";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {good.substr(0, good.find("\"Lonnie")), "Line 6: the file ends too early"},
      {Replaced(good, "\"Rocky, Jr\",120", "\"Rocky, Jr\",120000"),
       "Line 2: the number \"120000\" is outside -32768 to 32767"},
      {Replaced(good, "\"Rocky, Jr\",120", "\"Rocky, Jr\",300"),
       "Line 2: the player's strength and weight are too large"},
      {Replaced(good, ",208,", ",2O8,"), "Line 1: \"2O8\" is not a whole number"},
      {Replaced(good, ",1234.5,", ",12,34,"), "Line 1: the line has too many fields"},
      {Replaced(good, ",208,", ",0,"), "Line 1: the week count 0 is not 1 to 572"},
      {Replaced(good, ",208,", ",573,"), "Line 1: the week count 573 is not 1 to 572"},
      {Replaced(good, "\"Rocky, Jr\"", "\"\""), "Line 2: the player's name is empty"},
      {Replaced(good, "\"Walt Brannigan\",", "\"Walt Brannigan,"),
       "Line 11: a closing quote is missing"},
      {Replaced(good, "12,3,5,1,2,3,4", "12,3,5,1,3,3,4"),
       "Line 5: rank 3 is already held on line 2"},
      {Replaced(good, "12,3,5,1,2,3,4", "12,3,5,1,10,3,4"), "Line 2: rank 10 is not one of 0 to 9"},
      {Replaced(good, "12,3,5,1,2,3,4", "12,3,5,1,2,12,4"),
       "Line 2: opponent 12 is neither 100 (no bout) nor another boxer's number"},
      {Replaced(good, "12,3,5,1,2,3,4", "12,3,5,1,2,0,4"),
       "Line 2: opponent 0 is neither 100 (no bout) nor another boxer's number"},
      {Replaced(good, "33,4,7,2,5,100,", "33,4,7,2,5,7,"),
       "Line 3: the bout with the boxer on line 9 is not booked on his line"},
      {Replaced(good, teo + "2", teo + "3"),
       "Line 7: the bout with the boxer on line 8 is due in a different week on his line"},
      {Replaced(Replaced(good, teo + "2", teo + "0"), dewey + "2", dewey + "0"),
       "Line 7: a booked bout is due in 0 weeks, not 1 to 6"},
      {good + "\"Extra\",1\r\n", "Line 11: more text follows the last boxer's line"},
  };
  for (const auto& [text, problem] : cases) {
    TestGame t;
    LoadFixture(t, "rocky-year3.box", "Rocky.box");
    const Career before = t.game.career;
    const auto upcoming = t.game.main.comUpcoming;
    const fs::path bad = t.game.folder / "Bad.box";
    WriteBytes(bad, text);
    LoadBoxer(t.game, bad);
    EXPECT_EQ(
        t.screen.messages,
        (std::vector<Shown>{
            {"\"" + bad.string() + "\" is not a boxer file that can be loaded.\n" + problem + ".",
             "Cannot load boxer"}}));
    EXPECT_EQ(t.game.career, before) << problem;
    EXPECT_EQ(t.game.main.comUpcoming, upcoming) << problem;
    EXPECT_EQ(ReadBytes(bad), text) << problem;
  }
}

TEST(CareerFile, MissingOrUnreadableFilesAreNamedAndChangeNothing) {
  TestGame t;
  LoadFixture(t, "rocky-year3.box", "Rocky.box");
  const Career before = t.game.career;
  const fs::path missing = t.game.folder / "Nobody.box";
  LoadBoxer(t.game, missing);
  fs::create_directory(t.game.folder / "Folder.box");
  LoadBoxer(t.game, t.game.folder / "Folder.box");
  EXPECT_EQ(
      t.screen.messages,
      (std::vector<Shown>{{"Cannot read \"" + missing.string() + "\": No such file or directory.",
                           "Cannot load boxer"},
                          {"Cannot read \"" + (t.game.folder / "Folder.box").string() +
                               "\": it is a folder, not a file.",
                           "Cannot load boxer"}}));
  EXPECT_EQ(t.game.career, before);
}

TEST(CareerFile, FailedSavesKeepTheOldFileAndSaySo) {
  TestGame t;
  SaveCareer(t.game);
  EXPECT_EQ(t.screen.messages, (std::vector<Shown>{{"No boxer loaded!!", "Uh-oh!"}}));
  EXPECT_TRUE(FilesIn(t.game.folder).empty());
  t.screen.messages.clear();

  const fs::path path = LoadFixture(t, "rocky-year3.box", "Rocky.box");
  t.game.career.Money = 99;
  fs::permissions(path, fs::perms::owner_read);
  SaveCareer(t.game);
  EXPECT_EQ(t.screen.messages,
            (std::vector<Shown>{{"Cannot write \"" + path.string() +
                                     "\": the file is read-only.\nThe career was not saved.",
                                 "Cannot save boxer"}}));
  EXPECT_EQ(ReadBytes(path), Fixture("rocky-year3.box"));
  EXPECT_EQ(FilesIn(t.game.folder), std::vector<std::string>{"Rocky.box"});
  EXPECT_EQ(t.game.career.Money, 99);

  // The save goes through "<file>.tmp" beside the career file.
  fs::permissions(path, fs::perms::owner_all);
  fs::create_directories(t.game.folder / "Rocky.box.tmp" / "in the way");
  SaveCareer(t.game);
  EXPECT_EQ(t.screen.messages.size(), 2u);
  EXPECT_EQ(ReadBytes(path), Fixture("rocky-year3.box"));

  // A temporary file left by a save that was cut short does not stop the next one.
  fs::remove_all(t.game.folder / "Rocky.box.tmp");
  WriteBytes(t.game.folder / "Rocky.box.tmp", "half a career");
  SaveCareer(t.game);
  EXPECT_EQ(t.screen.messages.size(), 2u);
  EXPECT_EQ(ReadBytes(path), Replaced(Fixture("rocky-year3.box"), ",1234.5,", ",99,"));
  EXPECT_EQ(FilesIn(t.game.folder), std::vector<std::string>{"Rocky.box"});
}

TEST(CareerFile, RefreshClampsSpeedAndFoldsWeeksIntoYears) {
  TestGame t;
  LoadFixture(t, "rocky-year3.box", "Rocky.box");
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

  // Power rounds halves to even: 97.5 -> 98, 96.5 -> 96.
  career.Player().Strength = 75;
  career.Player().Weight = 130;
  RefreshStatus(t.game);
  EXPECT_EQ(t.game.main.proPower, 98);
  career.Player().Strength = 50;
  career.Player().Weight = 193;
  RefreshStatus(t.game);
  EXPECT_EQ(t.game.main.proPower, 96);

  // 16-bit arithmetic overflows rather than wraps, and a save stops before writing.
  career.Player().Strength = 200;
  career.Player().Weight = 200;
  EXPECT_THROW(RefreshStatus(t.game), OverflowError);
  career.Player().Strength = 90;
  career.Year = 700;
  EXPECT_THROW(SaveCareer(t.game), OverflowError);
  EXPECT_EQ(ReadBytes(t.game.folder / "Rocky.box"), Fixture("rocky-year3.box"));
}

TEST(CareerFile, ACareerSavedAfterItsEndRetiresAgainWhenLoaded) {
  TestGame t;
  const fs::path path = t.game.folder / "Old Timer.box";
  WriteBytes(path, Fixture("retired-year10.box"));
  LoadBoxer(t.game, path);
  EXPECT_EQ(t.game.career.Year, 10);
  EXPECT_EQ(t.game.career.Week, 1);
  EXPECT_EQ(t.game.main.lblWeeks, "Year : 10, Week : 1");
  ASSERT_FALSE(t.screen.messages.empty());
  EXPECT_EQ(t.screen.messages[0],
            (Shown{"Body injuries have taken their toll, you are forced to retire",
                   "Retire from Sport"}));
  EXPECT_NE(ReadBytes(t.game.folder / "Velder.hig").find("\"Old Timer\",3,2500000\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace ringvale
