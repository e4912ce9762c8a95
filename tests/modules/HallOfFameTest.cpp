#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DefaultHallOfFame.h"
#include "TestGame.h"
#include "modEvents.h"
#include "modFile.h"
#include "modSetFights.h"

namespace ringvale::test {
namespace {

const std::string Player = "Nell Cardew";

// Ten boxers worth 900 down to 0 thousand, as the file holds them.
const std::string Descending =
    "\"Ash\",4,900000\r\n"
    "\"Birch\",3,800000\r\n"
    "\"Cedar\",3,700000\r\n"
    "\"Damson\",2,600000\r\n"
    "\"Elder\",2,500000\r\n"
    "\"Fir\",2,400000\r\n"
    "\"Gum\",1,300000\r\n"
    "\"Hazel\",1,200000\r\n"
    "\"Ivy\",1,100000\r\n"
    "\"Juniper\",1,0\r\n";

std::filesystem::path HallFile(const TestGame& t) {
  return t.folder.Path() / "Velder.hig";
}

void Retire(TestGame& t, int defences, double fortune) {
  t.game.career.Roster[0].Name = Player;
  t.game.career.TitleDefences = defences;
  t.game.career.Money = fortune;
  ForcedRetirement(t.game);
}

std::vector<std::string> Titles(const RecordingScreen& screen) {
  std::vector<std::string> titles;
  for (const auto& shown : screen.messages) titles.push_back(shown.title);
  return titles;
}

TEST(HallOfFame, RichRetireeEntersBelowEveryRicherBoxer) {
  TestGame t;
  WriteBytes(HallFile(t), Descending);
  Retire(t, 2, 450000);
  EXPECT_EQ(ReadBytes(HallFile(t)),
            "\"Ash\",4,900000\r\n"
            "\"Birch\",3,800000\r\n"
            "\"Cedar\",3,700000\r\n"
            "\"Damson\",2,600000\r\n"
            "\"Elder\",2,500000\r\n"
            "\"Nell Cardew\",2,450000\r\n"
            "\"Fir\",2,400000\r\n"
            "\"Gum\",1,300000\r\n"
            "\"Hazel\",1,200000\r\n"
            "\"Ivy\",1,100000\r\n");
  EXPECT_EQ(
      t.screen.messages,
      (std::vector<Shown>{
          {"Body injuries have taken their toll, you are forced to retire", "Retire from Sport"},
          {"You have been inducted into the hall of fame, Congratulations!", "Hall of Fame"}}));
}

TEST(HallOfFame, RichestRetireeTopsTheTableAndTiesKeepTheOlderEntryAbove) {
  TestGame t;
  WriteBytes(HallFile(t), Descending);
  Retire(t, 1, 1e6);
  EXPECT_TRUE(ReadBytes(HallFile(t)).starts_with("\"Nell Cardew\",1,1000000\r\n\"Ash\",4,900000"));

  TestGame tie;
  WriteBytes(HallFile(tie), Descending);
  Retire(tie, 1, 700000);
  EXPECT_NE(ReadBytes(HallFile(tie)).find("\"Cedar\",3,700000\r\n\"Nell Cardew\",1,700000\r\n"),
            std::string::npos)
      << ReadBytes(HallFile(tie));
}

TEST(HallOfFame, CareerWithoutATitleDefenceNeverEntersButTheFileIsRewritten) {
  TestGame t;
  std::string lineFeedsOnly = Descending;
  std::erase(lineFeedsOnly, '\r');  // as if copied through another system
  WriteBytes(HallFile(t), lineFeedsOnly);
  Retire(t, 0, 5e6);
  EXPECT_EQ(ReadBytes(HallFile(t)), Descending);
  EXPECT_EQ(Titles(t.screen), (std::vector<std::string>{"Retire from Sport"}));
}

TEST(HallOfFame, FortuneEqualToTheTenthDoesNotEnter) {
  TestGame t;
  std::string table = Descending;
  table.replace(table.find("\"Juniper\",1,0"), 13, "\"Juniper\",1,50000");
  WriteBytes(HallFile(t), table);
  Retire(t, 3, 50000);
  EXPECT_EQ(ReadBytes(HallFile(t)), table);
  EXPECT_EQ(Titles(t.screen), (std::vector<std::string>{"Retire from Sport"}));

  TestGame richer;
  WriteBytes(HallFile(richer), table);
  Retire(richer, 3, 50000.5);
  EXPECT_TRUE(ReadBytes(HallFile(richer)).ends_with("\"Nell Cardew\",3,50000.5\r\n"));
}

TEST(HallOfFame, MissingFileMeansTheStandardTable) {
  TestGame t;
  LoadHallOfFame(t.game);
  EXPECT_TRUE(t.screen.messages.empty());
  EXPECT_EQ(t.game.high.lstHigh[0], "1 - Thaddeus Grell\t TD: 7\t $2400000");
  EXPECT_EQ(t.game.high.lstHigh[9], "10 - Sol Penhaligon\t TD: 1\t $200000");
  EXPECT_FALSE(std::filesystem::exists(HallFile(t))) << "showing the table writes nothing";

  Retire(t, 0, 0);
  EXPECT_EQ(ReadHallOfFame(t.game), DefaultHallOfFame);
  EXPECT_TRUE(ReadBytes(HallFile(t)).starts_with("\"Thaddeus Grell\",7,2400000\r\n"));
}

TEST(HallOfFame, StandardTableIsTenMadeUpChampionsRichestFirst) {
  for (std::size_t i = 0; i < DefaultHallOfFame.size(); ++i) {
    EXPECT_FALSE(DefaultHallOfFame[i].Name.empty());
    EXPECT_GT(DefaultHallOfFame[i].Defences, 0) << "only champions who defended retire here";
    if (i > 0) {
      EXPECT_LT(DefaultHallOfFame[i].Fortune, DefaultHallOfFame[i - 1].Fortune);
    }
  }
}

TEST(HallOfFame, ListNumbersTheRowsAndLinesUpTheColumns) {
  TestGame t;
  std::string table = Descending;
  table.replace(0, table.find('\n') + 1, "\"Smith\",3,1250000\r\n");
  table.replace(table.find("\"Ivy\",1,100000"), 14, "\"Ivy\",1,1234.5");
  WriteBytes(HallFile(t), table);
  LoadHallOfFame(t.game);
  EXPECT_EQ(t.game.high.lstHigh[0], "1 - Smith\t TD: 3\t $1250000");
  EXPECT_EQ(t.game.high.lstHigh[1], "2 - Birch\t TD: 3\t $800000");
  EXPECT_EQ(t.game.high.lstHigh[8], "9 - Ivy\t TD: 1\t $1234.5");
  EXPECT_EQ(t.game.high.lstHigh[9], "10 - Juniper\t TD: 1\t $0");

  t.game.decimalPoint = ",";
  LoadHallOfFame(t.game);
  EXPECT_EQ(t.game.high.lstHigh[8], "9 - Ivy\t TD: 1\t $1234,5");
  EXPECT_TRUE(t.screen.messages.empty());
}

TEST(HallOfFame, DamagedFileIsReportedOnceWithItsLineAndTreatedAsMissing) {
  struct Case {
    std::string bytes;
    std::string line;
  };
  std::string badNumber = Descending;
  badNumber.replace(badNumber.find("\"Damson\",2"), 10, "\"Damson\",x");
  std::string nineLines = Descending.substr(0, Descending.find("\"Juniper\""));
  std::string tooBig = Descending;
  tooBig.replace(tooBig.find("\"Gum\",1"), 7, "\"Gum\",99999");
  for (const Case& c :
       {Case{badNumber, "Line 4"}, Case{nineLines, "Line 10"}, Case{tooBig, "Line 7"}}) {
    TestGame t;
    WriteBytes(HallFile(t), c.bytes);
    LoadHallOfFame(t.game);
    ASSERT_EQ(t.screen.messages.size(), 1u) << c.line;
    EXPECT_NE(t.screen.messages[0].prompt.find(HallFile(t).string()), std::string::npos);
    EXPECT_NE(t.screen.messages[0].prompt.find(c.line), std::string::npos)
        << t.screen.messages[0].prompt;
    EXPECT_EQ(t.game.high.lstHigh[0], "1 - Thaddeus Grell\t TD: 7\t $2400000");

    t.screen.messages.clear();
    Retire(t, 1, 3e6);
    EXPECT_EQ(Titles(t.screen),
              (std::vector<std::string>{"Retire from Sport", "Ringvale", "Hall of Fame"}));
    HallTable expected = DefaultHallOfFame;
    std::move_backward(expected.begin(), expected.end() - 1, expected.end());
    expected[0] = {Player, 1, 3e6};
    t.screen.messages.clear();
    EXPECT_EQ(ReadHallOfFame(t.game), expected);
    EXPECT_TRUE(t.screen.messages.empty()) << "the rewritten file reads cleanly";
    EXPECT_EQ(ReadBytes(t.folder.Path() / "Velder.hig.damaged"), c.bytes)
        << "the damaged entries are kept, not overwritten";
  }
}

TEST(HallOfFame, FailedWriteIsReportedAndLeavesTheCareerAlone) {
  TestGame t;
  t.game.folder = t.folder.Path() / "gone";  // no such folder: the file cannot be written
  t.game.career.Roster[0].Name = Player;
  t.game.career.Year = 10;
  t.game.career.Week = 1;
  t.game.career.TitleDefences = 2;
  t.game.career.Money = 3e6;
  const Career before = t.game.career;
  ForcedRetirement(t.game);
  EXPECT_EQ(t.game.career, before);
  ASSERT_EQ(t.screen.messages.size(), 3u);
  EXPECT_EQ(t.screen.messages[2].title, "Ringvale");
  EXPECT_NE(t.screen.messages[2].prompt.find("Velder.hig"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(t.game.folder));
}

TEST(HallOfFame, RetiringTheSameCareerAgainDoesNotInductItTwice) {
  TestGame t;
  WriteBytes(HallFile(t), Descending);
  Retire(t, 2, 450000);
  const std::string once = ReadBytes(HallFile(t));
  t.screen.messages.clear();
  Retire(t, 2, 450000);
  EXPECT_EQ(ReadBytes(HallFile(t)), once);
  EXPECT_EQ(Titles(t.screen), (std::vector<std::string>{"Retire from Sport"}));

  Retire(t, 2, 460000);  // a different fortune is a different career
  EXPECT_NE(ReadBytes(HallFile(t)).find("\"Nell Cardew\",2,460000\r\n\"Nell Cardew\",2,450000"),
            std::string::npos);
}

TEST(HallOfFame, LoadingAFinishedCareerRetiresItAgainButInductsItOnce) {
  TestGame t;
  WriteBytes(HallFile(t), Descending);
  const std::filesystem::path career = t.folder.Path() / "Old Timer.box";
  std::filesystem::copy_file(std::filesystem::path(RINGVALE_FIXTURES) / "retired-year10.box",
                             career);
  LoadBoxer(t.game, career);
  EXPECT_EQ(t.game.career.Year, 10);
  EXPECT_EQ(Titles(t.screen), (std::vector<std::string>{"Retire from Sport", "Hall of Fame"}));
  EXPECT_TRUE(ReadBytes(HallFile(t)).starts_with("\"Old Timer\",3,2500000\r\n\"Ash\""));
  const std::string inducted = ReadBytes(HallFile(t));

  t.screen.messages.clear();
  LoadBoxer(t.game, career);
  EXPECT_EQ(Titles(t.screen), (std::vector<std::string>{"Retire from Sport"}));
  EXPECT_EQ(ReadBytes(HallFile(t)), inducted);
}

TEST(HallOfFame, LastWeekOfYearNineEndsTheCareerOnce) {
  SeededRandom random(7);
  RecordingScreen screen;
  TempFolder folder;
  Game game(screen, random, folder.Path());
  screen.game = &game;
  const std::filesystem::path career = folder.Path() / "Old Timer.box";
  std::filesystem::copy_file(std::filesystem::path(RINGVALE_FIXTURES) / "retired-year10.box",
                             career);
  LoadBoxer(game, career);
  game.career.Year = 9;
  game.career.Week = 52;
  screen.messages.clear();

  NextWeek(game);
  EXPECT_EQ(game.career.Year, 10);
  EXPECT_EQ(game.career.Week, 1);
  int retirements = 0;
  for (const auto& shown : screen.messages) retirements += shown.title == "Retire from Sport";
  EXPECT_EQ(retirements, 1);
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Velder.hig"));

  screen.messages.clear();
  NextWeek(game);
  NextWeek(game);
  EXPECT_TRUE(screen.messages.empty());
  EXPECT_EQ(game.career.Week, 1);
}

}  // namespace
}  // namespace ringvale::test
