#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CareerFiles.h"
#include "DefaultHallOfFame.h"

namespace ringvale::test {
namespace {

const std::string Player = "Nell Cardew";

// Ten boxers worth 900 down to 0 thousand, as the file holds them.
const std::string Descending =
    "\"Ash\",4,900000\r\n\"Birch\",3,800000\r\n\"Cedar\",3,700000\r\n\"Damson\",2,600000\r\n"
    "\"Elder\",2,500000\r\n\"Fir\",2,400000\r\n\"Gum\",1,300000\r\n\"Hazel\",1,200000\r\n"
    "\"Ivy\",1,100000\r\n\"Juniper\",1,0\r\n";

std::filesystem::path HallFile(const TestGame& t) {
  return t.folder.Path() / HallFileName;
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

// The file is rewritten at every retirement, even when nobody enters it.
TEST(HallOfFame, RetireeEntersBelowEveryRicherBoxerWithADefenceAndMoreThanTheTenth) {
  const std::string tenthAt50 = Replaced(Descending, "\"Juniper\",1,0", "\"Juniper\",1,50000");
  std::string lineFeedsOnly = Descending;  // as if copied through another system
  std::erase(lineFeedsOnly, '\r');
  struct Case {
    std::string table;
    int defences;
    double fortune;
    std::string above;  // the entry the retiree goes in front of; "" when he stays out
    std::string entry;
  };
  for (const Case& c : {Case{Descending, 2, 450000, "\"Fir\"", "\"Nell Cardew\",2,450000"},
                        Case{Descending, 1, 1e6, "\"Ash\"", "\"Nell Cardew\",1,1000000"},
                        Case{Descending, 1, 700000, "\"Damson\"", "\"Nell Cardew\",1,700000"},
                        Case{lineFeedsOnly, 0, 5e6, "", ""}, Case{tenthAt50, 3, 50000, "", ""},
                        Case{tenthAt50, 3, 50000.5, "\"Juniper\"", "\"Nell Cardew\",3,50000.5"}}) {
    SCOPED_TRACE(c.entry.empty() ? std::to_string(c.fortune) : c.entry);
    TestGame t;
    WriteBytes(HallFile(t), c.table);
    Retire(t, c.defences, c.fortune);
    std::string expected = c.table == lineFeedsOnly ? Descending : c.table;
    std::vector<Shown> shown{
        {"Body injuries have taken their toll, you are forced to retire", "Retire from Sport"}};
    if (!c.above.empty()) {
      expected.insert(expected.find(c.above), c.entry + "\r\n");
      expected.erase(expected.find("\"Juniper\""));
      shown.push_back(
          {"You have been inducted into the hall of fame, Congratulations!", "Hall of Fame"});
    }
    EXPECT_EQ(ReadBytes(HallFile(t)), expected);
    EXPECT_EQ(t.screen.messages, shown);
  }
}

TEST(HallOfFame, DamagedFileIsReportedOnceWithItsLineTreatedAsMissingAndKeptAside) {
  struct Case {
    std::string bytes, line;
  };
  for (const Case& c : {Case{Replaced(Descending, "\"Damson\",2", "\"Damson\",x"), "Line 4"},
                        Case{Descending.substr(0, Descending.find("\"Juniper\"")), "Line 10"},
                        Case{Replaced(Descending, "\"Gum\",1", "\"Gum\",99999"), "Line 7"}}) {
    SCOPED_TRACE(c.line);
    TestGame t;
    WriteBytes(HallFile(t), c.bytes);
    LoadHallOfFame(t.game);
    ASSERT_EQ(t.screen.messages.size(), 1u);
    const std::string& said = t.screen.messages[0].prompt;
    EXPECT_TRUE(said.find(HallFile(t).string()) != said.npos && said.find(c.line) != said.npos)
        << said;
    // The standard table stands in for the damaged file.
    EXPECT_EQ(t.game.high.lstHigh[0], "1 - Thaddeus Grell\t TD: 7\t $2400000");

    t.screen.messages.clear();
    Retire(t, 1, 3e6);
    EXPECT_EQ(Titles(t.screen),
              (std::vector<std::string>{"Retire from Sport", "Ringvale", "Hall of Fame"}));
    HallTable expected = DefaultHallOfFame;
    std::shift_right(expected.begin(), expected.end(), 1);
    expected[0] = {Player, 1, 3e6};
    bool damaged = false;
    EXPECT_EQ(ReadHallOfFame(t.game, &damaged), expected);
    EXPECT_FALSE(damaged) << "the rewritten file reads cleanly";
    EXPECT_EQ(ReadBytes(t.folder.Path() / "Velder.hig.damaged"), c.bytes);
  }
}

TEST(HallOfFame, LoadingAFinishedCareerRetiresItAgainButInductsItOnce) {
  TestGame t;
  WriteBytes(HallFile(t), Descending);
  const std::filesystem::path career = t.folder.Path() / "Old Timer.box";
  std::filesystem::copy_file(std::filesystem::path(RINGVALE_FIXTURES) / "retired-year10.box",
                             career);
  LoadBoxer(t.game, career);
  EXPECT_EQ(Titles(t.screen), (std::vector<std::string>{"Retire from Sport", "Hall of Fame"}));
  const std::string inducted = ReadBytes(HallFile(t));
  EXPECT_TRUE(inducted.starts_with("\"Old Timer\",3,2500000\r\n\"Ash\""));

  t.screen.messages.clear();
  LoadBoxer(t.game, career);
  EXPECT_EQ(Titles(t.screen), (std::vector<std::string>{"Retire from Sport"}));
  EXPECT_EQ(ReadBytes(HallFile(t)), inducted);

  t.game.career.Money += 10000;  // a different fortune is a different career
  ForcedRetirement(t.game);
  EXPECT_TRUE(ReadBytes(HallFile(t)).starts_with("\"Old Timer\",3,2510000\r\n\"Old Timer\""));
}

}  // namespace
}  // namespace ringvale::test
