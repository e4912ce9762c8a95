#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "Int16.h"
#include "Random.h"
#include "RecordFile.h"

namespace ringvale {
namespace {

// The error a reader raises while reading `text` as records of a name, a number and money, or "".
std::string ReadError(const std::string& text) {
  try {
    for (RecordReader reader(text); !reader.AtEnd(); reader.EndLine()) {
      reader.String();
      reader.Number();
      reader.Money();
    }
  } catch (const RecordError& error) {
    return error.what();
  }
  return "";
}

TEST(RecordFile, MoneyIsWrittenWithAPeriodAndFifteenDigitsAtMost) {
  std::string written;
  for (const double money :
       {20000.0, -50000.0, 0.1, -0.0, 123456789.123456789, 999999999999999.0, 1e15, 0.00001})
    written += FormatMoney(money) + " ";
  EXPECT_EQ(written, "20000 -50000 0.1 0 123456789.123457 999999999999999 1E+15 1E-05 ");
  EXPECT_THROW(FormatMoney(1e308 * 10), OverflowError);
}

TEST(RecordFile, ReaderTakesFieldsAsWrittenAndAsOlderFilesSpacedThem) {
  RecordReader reader("\"a, b\",  12 ,-32768, 1E+15 \r\n\t\"x\" ,32767,2.5\r\n\r\n");
  EXPECT_EQ(reader.String(), "a, b");
  EXPECT_EQ(reader.Number(), 12);
  EXPECT_EQ(reader.Number(), -32768);
  EXPECT_EQ(reader.Money(), 1e15);
  reader.EndLine();
  EXPECT_EQ(reader.String(), "x");
  EXPECT_EQ(reader.Number(), 32767);
  EXPECT_EQ(reader.Money(), 2.5);
  reader.EndLine();
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.LineNumber(), 3);
}

TEST(RecordFile, MalformedRecordsNameTheirLine) {
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
  for (const auto& [record, problem] : cases) {
    EXPECT_EQ(ReadError("\"Sam\",1,2\r\n" + record), "Line 2: " + problem) << record;
  }
  // A lone line feed or carriage return ends a line too.
  EXPECT_EQ(ReadError("\"Sam\",1,2\n\"Bo\",x,5\n"), "Line 2: \"x\" is not a whole number");
  EXPECT_EQ(ReadError("\"Sam\",1,2\r\"Bo\",x,5\r"), "Line 2: \"x\" is not a whole number");
}

TEST(RecordFile, TextThatIsNotUtf8IsReadAsWindows1252) {
  EXPECT_EQ(DecodeText("\x93"
                       "Caf\xe9\x94 \x80\x81"),
            "\u201c"
            "Caf\u00e9\u201d \u20ac\u0081");
  EXPECT_EQ(DecodeText("Caf\u00e9 \u201cok\u201d"), "Caf\u00e9 \u201cok\u201d");  // UTF-8 stays
  EXPECT_EQ(DecodeText("\xEF\xBB\xBF\"Sam\""), "\"Sam\"");                        // no BOM
  EXPECT_EQ(DecodeText("\xC0\xAF"), "\u00c0\u00af");  // an overlong "/" is not UTF-8
  EXPECT_EQ(RecordReader("\"Andr\xe9\",1,2").String(), "Andr\u00e9");
}

// The 16-bit whole numbers the records and the rules are made of, and the clock's generator.
TEST(Int16, ArithmeticOutside16BitsThrowsOverflow) {
  Int16 top = 32767;
  EXPECT_THROW(top + 1, OverflowError);
  EXPECT_THROW(top += 1, OverflowError);
  EXPECT_EQ(top, 32767);  // a failed += leaves the value alone
  EXPECT_THROW(--Int16(-32768), OverflowError);
  EXPECT_THROW(Int16(40000), OverflowError);
  EXPECT_EQ(Int16(-300) * 100, -30000);
}

TEST(Int16, RoundHalfEvenSendsHalvesToTheEvenNeighbour) {
  for (const auto& [value, rounded] : std::vector<std::pair<double, int>>{
           {2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {0.5000001, 1}, {97.2, 97}, {32767.4, 32767}})
    EXPECT_EQ(RoundHalfEven(value), rounded) << value;
  for (const double value : {32767.5, 1e300, 0.0 / 0.0})
    EXPECT_THROW(RoundHalfEven(value), OverflowError) << value;
}

// Reseeds in the same clock tick must not repeat a sequence, and draws stay in [0, 1).
TEST(ClockRandom, DrawsStayInTheUnitIntervalAndReseedsDiffer) {
  ClockRandom random;
  std::set<double> firsts;
  for (int i = 0; i < 1000; ++i) {
    random.Reseed();
    firsts.insert(random.Next());
  }
  EXPECT_EQ(firsts.size(), 1000u);
  EXPECT_TRUE(*firsts.begin() >= 0.0 && *firsts.rbegin() < 1.0);
}

}  // namespace
}  // namespace ringvale
