// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
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

// Bad field text quoted in a message, cut short so a binary file cannot flood the box.
std::string Shown(const std::string& text);

// What is at `path` when it is not a file: "a folder", "a pipe", "a device" or "a socket"
// (links followed); "" for a file or nothing at all.
std::string NotAFile(const std::filesystem::path& path);

// Text of a file; throws std::runtime_error naming the file when it cannot be read. Pipes,
// devices and the like are refused at once; nothing larger than a game file is read.
std::string ReadTextFile(const std::filesystem::path& path);

// A failed write. `Saved`: the files were all in place and only flushing them to the disk
// failed, so they load as saved though a power cut could still undo it; the text says so.
struct WriteError : std::runtime_error {
  WriteError(const std::string& what, bool saved) : std::runtime_error(what), Saved(saved) {}
  bool Saved;
};

// One file of a save that keeps several together, and its new text.
struct FileWrite {
  std::filesystem::path Path;
  std::string Text;
};

// Writes every file to a temporary "<file>.<process>.tmp" beside it and flushes it to the disk,
// and only then renames each over its file, in order, flushing the folder after each rename: a
// failure before the last rename leaves the files not yet renamed as they were. Throws
// WriteError naming the file.
void WriteFilesSafely(const std::vector<FileWrite>& files);
void WriteFileSafely(const std::filesystem::path& path, const std::string& text);

// Removes the temporaries of `path` that a save cut short left behind. Only for a holder of the
// file's lock: any other process's temporary is then a dead one's.
void RemoveLeftoverTemporaries(const std::filesystem::path& path);

// Where a damaged file is kept: "<file>.damaged", else the first free "<file>.damaged.N" from 2,
// so one copy never replaces another. Free only while the file's lock is held.
std::filesystem::path DamagedCopyPath(const std::filesystem::path& path);

// The lock file of a file that is replaced at every save: "<file>.lock".
std::filesystem::path LockPathOf(const std::filesystem::path& path);

}  // namespace ringvale
