#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Int16.h"

namespace ringvale {

// The delimited record syntax shared by the career file and the hall of fame: one record a
// line, fields separated by commas, strings in double quotes, lines ending in CRLF.

// A malformed record: `line` counts from 1.
struct RecordError : std::runtime_error {
  RecordError(int line, const std::string& what);
  int line;
};

class RecordWriter {
 public:
  RecordWriter& String(const std::string& value);
  RecordWriter& Number(Int16 value);
  RecordWriter& Money(double value);
  RecordWriter& EndLine();
  const std::string& Text() const { return text_; }

 private:
  void Separate();
  std::string text_;
  bool lineStarted_ = false;
};

// Reads the fields of a whole file's text in order. Never reads past the end; every malformed
// or missing field throws RecordError with its line number.
class RecordReader {
 public:
  explicit RecordReader(std::string text);  // decoded: UTF-8, else Windows-1252
  std::string String();
  Int16 Number();
  double Money();
  void EndLine();      // the rest of the line must be empty
  bool AtEnd() const;  // nothing but line ends remain
  int LineNumber() const { return line_; }

 private:
  std::string Field();
  std::string text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int fieldsOnLine_ = 0;
  bool lineHasMore_ = true;  // false once a field has ended at the line's end
  bool lastQuoted_ = false;
};

// Line ends: CRLF as written; a lone LF or a lone CR is read as a line end too, so files that
// passed through other systems still open.

// True when `text` is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// UTF-8 text from a file's bytes: UTF-8 as it is (without a byte order mark), anything else
// read as Windows-1252.
std::string DecodeText(std::string bytes);

// Money as files hold it: period, no thousands separators, no trailing zeros, up to 15
// significant digits, exponent form from 1E+15.
std::string FormatMoney(double value);

// Text of a file; throws std::runtime_error naming the file when it cannot be read.
std::string ReadTextFile(const std::filesystem::path& path);

// Writes a temporary file beside `path` and renames it over `path`, so a failure never
// damages the existing file. Throws std::runtime_error naming the file on failure.
void WriteFileSafely(const std::filesystem::path& path, const std::string& text);

// One file of a save that keeps several together: its new text, or none to remove it.
struct FileWrite {
  std::filesystem::path Path;
  std::optional<std::string> Text;
};

// Writes every temporary file first and only then renames them over their files (or removes a
// file without text), in order: a failure to write any of them leaves every file as it was.
void WriteFilesSafely(const std::vector<FileWrite>& files);

}  // namespace ringvale
