#include <gtest/gtest.h>

#include <functional>

#include "RecordFile.h"

namespace ringvale {
namespace {

// The error a reader raises while reading `text` record by record as `read` does, or "".
std::string ReadError(const std::string& text, const std::function<void(RecordReader&)>& read) {
  try {
    RecordReader reader(text);
    read(reader);
  } catch (const RecordError& error) {
    return error.what();
  }
  return "";
}

std::string Repeated(const std::string& text, int times) {
  std::string repeated;
  while (times-- > 0) repeated += text;
  return repeated;
}

void NameNumberMoney(RecordReader& reader) {
  while (!reader.AtEnd()) {
    reader.String();
    reader.Number();
    reader.Money();
    reader.EndLine();
  }
}

TEST(RecordFile, WriterQuotesTextAndWritesPlainNumbersWithCrlf) {
  RecordWriter writer;
  writer.String("Rocky, Jr").Number(-3).Money(1234.5).EndLine().String("").Number(32767).EndLine();
  EXPECT_EQ(writer.Text(), "\"Rocky, Jr\",-3,1234.5\r\n\"\",32767\r\n");
}

TEST(RecordFile, MoneyIsWrittenWithAPeriodAndFifteenDigitsAtMost) {
  EXPECT_EQ(FormatMoney(20000), "20000");
  EXPECT_EQ(FormatMoney(1234.5), "1234.5");
  EXPECT_EQ(FormatMoney(-50000), "-50000");
  EXPECT_EQ(FormatMoney(0.1), "0.1");
  EXPECT_EQ(FormatMoney(-0.0), "0");
  EXPECT_EQ(FormatMoney(123456789.123456789), "123456789.123457");
  EXPECT_EQ(FormatMoney(999999999999999), "999999999999999");
  EXPECT_EQ(FormatMoney(1e15), "1E+15");
  EXPECT_EQ(FormatMoney(2.5e17), "2.5E+17");
  EXPECT_EQ(FormatMoney(0.00001), "1E-05");
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
  const std::string good = "\"Sam\",1,2\r\n";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {good + "\"Ann\",1", "Line 2: the line has too few fields"},
      {good + "\"Ann\",1,", "Line 2: an amount of money is missing"},
      {good + "\"Ann,1,2\r\n", "Line 2: a closing quote is missing"},
      {good + "\"Ann\"x,1,2", "Line 2: there is text after a closing quote"},
      {good + "\"Ann\",1,2,3", "Line 2: the line has too many fields"},
      {good + "\"Ann\",32768,2", "Line 2: the number \"32768\" is outside -32768 to 32767"},
      {good + "\"Ann\",-32769,2", "Line 2: the number \"-32769\" is outside -32768 to 32767"},
      {good + "\"Ann\",99999999999999999999,2",
       "Line 2: the number \"99999999999999999999\" is outside -32768 to 32767"},
      {good + "\"Ann\",1\"2,2", "Line 2: \"1\"2\" holds a stray double quote"},
      {good + "\"Ann\",12a,2", "Line 2: \"12a\" is not a whole number"},
      {good + "\"Ann\",x" + Repeated("\u00e9", 13) + ",2",
       "Line 2: \"x" + Repeated("\u00e9", 11) + "...\" is not a whole number"},
      {good + "\"Ann\",1.5,2", "Line 2: \"1.5\" is not a whole number"},
      {good + "\"Ann\",,2", "Line 2: a number is missing"},
      {good + "\"Ann\",\"1\",2", "Line 2: \"1\" is text where a number belongs"},
      {good + "\"Ann\",1,2.5.1", "Line 2: \"2.5.1\" is not an amount of money"},
      {good + "\"Ann\",1,inf", "Line 2: \"inf\" is not an amount of money"},
      {good + "\r\n\"Ann\",1,2", "Line 2: the line is empty"},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ReadError(text, NameNumberMoney), expected) << text;
  }
  // Asking for more than the file holds.
  EXPECT_EQ(ReadError(good,
                      [](RecordReader& reader) {
                        NameNumberMoney(reader);
                        reader.String();
                      }),
            "Line 2: the file ends too early");
  EXPECT_EQ(ReadError("\"Sam\",1,2",
                      [](RecordReader& reader) {
                        reader.String();
                        reader.Number();
                        reader.Money();
                        reader.Money();
                      }),
            "Line 1: the line has too few fields");
}

TEST(RecordFile, LoneLfAndLoneCrEndLinesToo) {
  for (const std::string end : {"\n", "\r"}) {
    const std::string text = "\"Sam\",1,2" + end + "\"Ann\",3,4" + end + "\"Bo\",x,5" + end;
    EXPECT_EQ(ReadError(text, NameNumberMoney), "Line 3: \"x\" is not a whole number");
  }
}

TEST(RecordFile, TextThatIsNotUtf8IsReadAsWindows1252) {
  EXPECT_EQ(DecodeText("\x93"
                       "Caf\xe9\x94 \x80\x81"),
            "\u201c"
            "Caf\u00e9\u201d \u20ac\u0081");
  EXPECT_EQ(DecodeText("Caf\u00e9 \u201cok\u201d"), "Caf\u00e9 \u201cok\u201d");  // UTF-8 stays
  EXPECT_EQ(DecodeText("\xEF\xBB\xBF\"Sam\""), "\"Sam\"");                        // no BOM
  EXPECT_EQ(DecodeText("\xC0\xAF"), "\u00c0\u00af");  // an overlong "/" is not UTF-8
  RecordReader reader("\"Andr\xe9\",1,2");
  EXPECT_EQ(reader.String(), "Andr\u00e9");
}

}  // namespace
}  // namespace ringvale
