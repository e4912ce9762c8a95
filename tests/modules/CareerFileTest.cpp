// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The files the game keeps, careers and the hall of fame, and the records and numbers they hold.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iomanip>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "CareerFiles.h"
#include "DefaultHallOfFame.h"
#include "Int16.h"
#include "RecordFile.h"

namespace ringvale::test {
namespace {

namespace fs = std::filesystem;

// A refused name, a cancelled input box or a No to replacing a saved career changes nothing and
// draws nothing; a Yes replaces it with a new one.
TEST(CareerFile, NewWithABadNameOrWithoutAYesToReplaceACareerChangesNothing) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> refusals = {
      {"", {"", "Rocky"}},  // Cancel, and no answer (No) to replacing Rocky's career
      {"A boxer's name cannot contain control characters such as tabs.", {"Tab\there", "\x1f"}},
      {"A boxer's name cannot be \".\" or \"..\".", {".."}},
      {"A boxer's name cannot begin or end with a space.", {" Sam", "Sam "}},
      {"The name holds characters that cannot be stored.", {"Andr\xe9"}},
      {"That name is too long; please choose a shorter one.", {std::string(201, 'x')}},
      {"A boxer's name cannot contain any of these characters: \" / \\ : * ? < > |",
       {"S\"1", "S|1"}}};
  const Shown replace{"A boxer named Rocky already has a career. Replace it?", "Ringvale"};
  for (const auto& [refusal, names] : refusals) {
    for (const std::string& name : names) {
      SCOPED_TRACE(name);
      LoadedGame t;
      t.screen.inputs = {name};
      NewBoxer(t.game);
      t.ExpectShown(refusal.empty() ? std::vector<Shown>{}
                                    : std::vector<Shown>{{refusal, "Cannot create boxer"}});
      EXPECT_EQ(t.screen.questions, name == "Rocky" ? std::vector{replace} : std::vector<Shown>{});
      EXPECT_EQ(t.random.draws, 0);
    }
  }
  EXPECT_EQ(CheckBoxerName("Rocky, Jr. \u00e9"), "");
  // The new career's rivals are the line-up its draw picks: 2 x r, halves rounded to even.
  for (const auto& [draw, lineUp] : std::vector<std::pair<double, std::string>>{
           {0.2, "0"}, {0.5, "1"}, {0.8, "2"}, {0.25, "0"}, {0.75, "2"}}) {
    SCOPED_TRACE(draw);
    LoadedGame t;
    t.screen.inputs = {"Rocky"};
    t.screen.answers = {true};
    t.random.Push({draw});
    NewBoxer(t.game);
    EXPECT_EQ(t.screen.questions, std::vector{replace});
    t.filesBefore["Rocky.box"] =
        Replaced(Fixture("new-sam-lineup" + lineUp + ".box"), "\"Sam\"", "\"Rocky\"");
    EXPECT_EQ(Snapshot(t.folder.Path()), t.filesBefore);
    EXPECT_TRUE(t.screen.messages.empty());
    EXPECT_EQ(t.game.main.frmBoxer + ", " + t.game.main.lblWeeks, "Rocky, Year : 0, Week : 1");
  }
}

TEST(CareerFile, ABadFileIsRefusedByLineAndTheGameStaysAsItWas) {
  const std::string good = Fixture("rocky-year3.box");
  const std::string teoToDewey = "6,2\r\n\"Dewey Marchbank\",86,115,70,26,5,8,4,7,5,2";
  // What is replaced, by what, and the problem named.
  for (const auto& [from, to, problem] :
       std::vector<std::tuple<std::string, std::string, std::string>>{
           {good.substr(good.find("\"Lonnie")), "", "Line 6: the file ends too early"},
           {"\"Rocky, Jr\",120", "\"Rocky, Jr\",300",
            "Line 2: the player's strength and weight are too large"},
           {"\"Rocky, Jr\",120", "\"Rocky, Jr\",-300",
            "Line 2: the player's strength -300 is out of range"},
           {"\"Rocky, Jr\",120,110", "\"Rocky, Jr\",120,-1",
            "Line 2: the player's weight -1 is out of range"},
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
    SCOPED_TRACE(problem);  // loading another career's file is refused, changing nothing
    LoadedGame t;
    const fs::path bad = t.game.folder / "Bad.box";
    WriteBytes(bad, Replaced(good, from, to));
    t.Keep();
    LoadBoxer(t.game, bad);
    t.ExpectShown(
        {{"\"" + bad.string() + "\" is not a boxer file that can be loaded.\n" + problem + ".",
          "Cannot load boxer"}});
  }
}

// The window shows the weeks folded into years, the power bar and speed, the speed held at 100.
TEST(CareerFile, RefreshClampsSpeedFoldsWeeksIntoYearsAndRoundsThePower) {
  LoadedGame t;
  RosterEntry& player = t.game.career.Player();
  const auto refresh = [&](int week, int strength, int weight) {
    t.game.career.Week = week;
    player.Strength = strength;
    player.Weight = weight;
    RefreshStatus(t.game);
    const auto n = [](int value) { return std::to_string(value); };
    return t.game.main.lblWeeks + ", " + n(t.game.main.proPower) + ", " + n(player.Speed) + "/" +
           n(t.game.main.proSpeed);
  };
  t.game.career.Year = 0;
  player.Speed = 104;
  EXPECT_EQ(refresh(105, 75, 130), "Year : 2, Week : 1, 98, 100/100");  // 97.5: halves to even
  EXPECT_EQ(refresh(52, 50, 193), "Year : 2, Week : 52, 96, 100/100");  // 96.5
  // 16-bit arithmetic overflows rather than wraps (the main window's tests save an overflow).
  EXPECT_THROW(refresh(52, 200, 200), OverflowError);
}

// A failed save is reported, and the career in memory and every file stay as they were.
TEST(CareerFile, AFailedSaveSaysWhyAndKeepsEveryFile) {
  const std::vector<std::pair<std::string, std::function<void(LoadedGame&)>>> cases = {
      {"the file is read-only",
       [](LoadedGame& t) { fs::permissions(t.careerFile, fs::perms::owner_read); }},
      {"a folder of that name is in the way", [](LoadedGame& t) {
         fs::remove(t.careerFile);
         fs::create_directory(t.careerFile);
         WriteBytes(t.careerFile / "notes.txt", "the player's own notes");
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

// The hall of fame's file.

const std::string Player = "Nell Cardew";

// Ten boxers worth 900 down to 0 thousand, as the file holds them.
const std::string Descending =
    "\"Ash\",4,900000\r\n\"Birch\",3,800000\r\n\"Cedar\",3,700000\r\n\"Damson\",2,600000\r\n"
    "\"Elder\",2,500000\r\n\"Fir\",2,400000\r\n\"Gum\",1,300000\r\n\"Hazel\",1,200000\r\n"
    "\"Ivy\",1,100000\r\n\"Juniper\",1,0\r\n";

std::vector<std::string> Titles(const RecordingScreen& screen) {
  std::vector<std::string> titles;
  for (const auto& shown : screen.messages) titles.push_back(shown.title);
  return titles;
}

// The file is rewritten at every retirement, even when nobody enters it.
TEST(HallOfFame, RetireeEntersBelowEveryRicherBoxerWithADefenceAndMoreThanTheTenth) {
  const std::string tenthAt50 = Replaced(Descending, "\"Juniper\",1,0", "\"Juniper\",1,50000");
  std::string lineFeedsOnly = Descending;  // as if copied through another system
  std::erase(lineFeedsOnly, '\r');
  // The table, the retiree's defences and fortune, the entry he goes in front of ("" when he
  // stays out) and his own.
  for (const auto& [table, defences, fortune, above, entry] :
       std::vector<std::tuple<std::string, int, double, std::string, std::string>>{
           {Descending, 2, 450000, "\"Fir\"", "\"Nell Cardew\",2,450000"},
           {Descending, 1, 1e6, "\"Ash\"", "\"Nell Cardew\",1,1000000"},
           {Descending, 1, 700000, "\"Damson\"", "\"Nell Cardew\",1,700000"},
           {lineFeedsOnly, 0, 5e6, "", ""},
           {tenthAt50, 3, 50000, "", ""},
           {tenthAt50, 3, 50000.5, "\"Juniper\"", "\"Nell Cardew\",3,50000.5"}}) {
    SCOPED_TRACE(entry.empty() ? std::to_string(fortune) : entry);
    TestGame t;
    WriteBytes(HallPath(t.game), table);
    Retire(t.game, Player, defences, fortune);
    std::string expected = table == lineFeedsOnly ? Descending : table;
    std::vector<Shown> shown{
        {"Body injuries have taken their toll, you are forced to retire", "Retire from Sport"}};
    if (!above.empty()) {
      expected.insert(expected.find(above), entry + "\r\n");
      expected.erase(expected.find("\"Juniper\""));
      shown.push_back(
          {"You have been inducted into the hall of fame, Congratulations!", "Hall of Fame"});
    }
    EXPECT_EQ(ReadBytes(HallPath(t.game)), expected);
    EXPECT_EQ(t.screen.messages, shown);
  }
}

TEST(HallOfFame, DamagedFileIsReportedOnceWithItsLineTreatedAsMissingAndKeptAside) {
  for (const auto& [bytes, line] : std::vector<std::pair<std::string, std::string>>{
           {Replaced(Descending, "\"Damson\",2", "\"Damson\",x"), "Line 4"},
           {Descending.substr(0, Descending.find("\"Juniper\"")), "Line 10"},
           {Replaced(Descending, "\"Gum\",1", "\"Gum\",99999"), "Line 7"}}) {
    SCOPED_TRACE(line);
    TestGame t;
    WriteBytes(HallPath(t.game), bytes);
    LoadHallOfFame(t.game);
    ASSERT_EQ(t.screen.messages.size(), 1u);
    const std::string& said = t.screen.messages[0].prompt;
    EXPECT_TRUE(said.find(HallPath(t.game).string()) != said.npos && said.find(line) != said.npos)
        << said;
    // The standard table stands in for the damaged file.
    EXPECT_EQ(t.game.high.lstHigh[0], "1 - Thaddeus Grell\t TD: 7\t $2400000");

    t.screen.messages.clear();
    Retire(t.game, Player, 1, 3e6);
    EXPECT_EQ(Titles(t.screen),
              (std::vector<std::string>{"Retire from Sport", "Ringvale", "Hall of Fame"}));
    HallTable expected = DefaultHallOfFame;
    std::shift_right(expected.begin(), expected.end(), 1);
    expected[0] = {Player, 1, 3e6};
    bool damaged = false;
    EXPECT_EQ(ReadHallOfFame(t.game, &damaged), expected);
    EXPECT_FALSE(damaged) << "the rewritten file reads cleanly";
    EXPECT_EQ(ReadBytes(t.folder.Path() / "Velder.hig.damaged"), bytes);
  }
}

TEST(HallOfFame, LoadingAFinishedCareerRetiresItAgainButInductsItOnce) {
  TestGame t;
  WriteBytes(HallPath(t.game), Descending);
  const std::filesystem::path career = t.folder.Path() / "Old Timer.box";
  WriteBytes(career, Fixture("retired-year10.box"));
  LoadBoxer(t.game, career);
  EXPECT_EQ(Titles(t.screen), (std::vector<std::string>{"Retire from Sport", "Hall of Fame"}));
  const std::string inducted = ReadBytes(HallPath(t.game));
  EXPECT_TRUE(inducted.starts_with("\"Old Timer\",3,2500000\r\n\"Ash\""));

  t.screen.messages.clear();
  LoadBoxer(t.game, career);
  EXPECT_EQ(Titles(t.screen), (std::vector<std::string>{"Retire from Sport"}));
  EXPECT_EQ(ReadBytes(HallPath(t.game)), inducted);

  t.game.career.Money += 10000;  // a different fortune is a different career
  ForcedRetirement(t.game);
  EXPECT_TRUE(ReadBytes(HallPath(t.game)).starts_with("\"Old Timer\",3,2510000\r\n\"Old Timer\""));
}

// The records every file is made of.

// What a reader takes from `text` as records of a name, a number and money, and the line it ends
// on; or the error it raises.
std::string Read(const std::string& text) {
  std::ostringstream read;
  read << std::setprecision(17);
  try {
    RecordReader reader(text);
    for (; !reader.AtEnd(); reader.EndLine())
      read << reader.String() << "|" << int(reader.Number()) << "|" << reader.Money() << "|";
    read << "line " << reader.LineNumber();
  } catch (const RecordError& error) {
    return error.what();
  }
  return read.str();
}

TEST(RecordFile, MoneyIsWrittenWithAPeriodAndFifteenDigitsAtMost) {
  std::string written;
  for (const double money :
       {20000.0, -50000.0, 0.1, -0.0, 123456789.123456789, 999999999999999.0, 1e15, 0.00001})
    written += FormatMoney(money) + " ";
  EXPECT_EQ(written, "20000 -50000 0.1 0 123456789.123457 999999999999999 1E+15 1E-05 ");
  EXPECT_THROW(FormatMoney(1e308 * 10), OverflowError);
}

// Fields are read as written and as older files spaced them; a malformed record names its line.
TEST(RecordFile, ReaderTakesFieldsAsWrittenAndNamesTheLineOfAMalformedRecord) {
  EXPECT_EQ(Read("\"a, b\",  -32768 , 1E+15 \r\n\t\"x\" ,32767,2.5\r\n\r\n"),
            "a, b|-32768|1000000000000000|x|32767|2.5|line 3");
  std::string accents;
  for (int i = 0; i < 13; ++i) accents += "\u00e9";
  // The second record of a file, and what is wrong with it.
  const std::pair<std::string, std::string> cases[] = {
      {"\"Ann\",1", "the line has too few fields"},
      {"\"Ann\",1,2,", "the line has too many fields"},
      {"\"Ann\",1,", "an amount of money is missing"},
      {"\"Ann\",99999999999999999999,2",
       "the number \"99999999999999999999\" is outside -32768 to 32767"},
      {"\"Ann\",1\"2,2", "\"1\"2\" holds a stray double quote"},
      {"\"Ann\",x" + accents + ",2", "\"x" + accents.substr(0, 22) + "...\" is not a whole number"},
      {"\"Ann\",1.5,2", "\"1.5\" is not a whole number"},
      {"\"Ann\",,2", "a number is missing"},
      {"\"Ann\",\"1\",2", "\"1\" is text where a number belongs"},
      {"\"Ann\",1,2.5.1", "\"2.5.1\" is not an amount of money"},
      {"\"Ann\",1,inf", "\"inf\" is not an amount of money"},
      {"\r\n\"Ann\",1,2", "the line is empty"}};
  for (const auto& [record, problem] : cases)
    EXPECT_EQ(Read("\"Sam\",1,2\r\n" + record), "Line 2: " + problem) << record;
  // A lone line feed or carriage return ends a line too.
  EXPECT_EQ(Read("\"Sam\",1,2\n\"Bo\",x,5\n"), "Line 2: \"x\" is not a whole number");
  EXPECT_EQ(Read("\"Sam\",1,2\r\"Bo\",x,5\r"), "Line 2: \"x\" is not a whole number");
}

TEST(RecordFile, TextThatIsNotUtf8IsReadAsWindows1252) {
  EXPECT_EQ(DecodeText(std::string("\x93") + "Caf\xe9\x94 \x80\x81"),
            "\u201cCaf\u00e9\u201d \u20ac\u0081");
  EXPECT_EQ(DecodeText("Caf\u00e9 \u201cok\u201d"), "Caf\u00e9 \u201cok\u201d");  // UTF-8 stays
  EXPECT_EQ(DecodeText("\xEF\xBB\xBF\"Sam\""), "\"Sam\"");                        // no BOM
  EXPECT_EQ(DecodeText("\xC0\xAF"), "\u00c0\u00af");  // an overlong "/" is not UTF-8
  EXPECT_EQ(RecordReader("\"Andr\xe9\",1,2").String(), "Andr\u00e9");
}

// The 16-bit whole numbers the records and the rules are made of.
TEST(Int16, ArithmeticAndRoundingOutside16BitsThrowOverflow) {
  Int16 top = 32767;
  EXPECT_THROW(top + 1, OverflowError);
  EXPECT_THROW(top += 1, OverflowError);
  EXPECT_EQ(top, 32767);  // a failed += leaves the value alone
  EXPECT_THROW(--Int16(-32768), OverflowError);
  EXPECT_THROW(Int16(40000), OverflowError);
  EXPECT_EQ(Int16(-300) * 100, -30000);
  // Halves go to the even neighbour.
  for (const auto& [value, rounded] : std::vector<std::pair<double, int>>{
           {2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {0.5000001, 1}, {97.2, 97}, {32767.4, 32767}})
    EXPECT_EQ(RoundHalfEven(value), rounded) << value;
  for (const double value : {32767.5, 1e300, 0.0 / 0.0})
    EXPECT_THROW(RoundHalfEven(value), OverflowError) << value;
}

}  // namespace
}  // namespace ringvale::test
