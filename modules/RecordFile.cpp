// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <system_error>

#include "FileSystem.h"

namespace ringvale {

namespace {

// Career and hall-of-fame files are a few hundred bytes; anything this large is the wrong file.
constexpr std::size_t MaxTextFileSize = 1 << 20;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

// Length of the well-formed UTF-8 sequence starting at `pos`, or 0 when there is none.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos) {
  const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byteAt(pos);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  char32_t code = 0, smallest = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07, smallest = 0x10000;
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byteAt(pos + i);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  // Overlong forms, surrogates and code points beyond Unicode are not UTF-8.
  if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Windows-1252 bytes 0x80 to 0x9F; the five unassigned ones map to the C1 control of the same
// number, as Windows itself converts them. 0xA0 to 0xFF equal their Unicode code points.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string ErrnoText(int error) {
  return error != 0 ? std::generic_category().message(error) : "the system gave no reason";
}

}  // namespace

std::string Shown(const std::string& text) {
  constexpr std::size_t Longest = 24;
  if (text.size() <= Longest) return "\"" + text + "\"";
  std::size_t cut = Longest;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // whole letters
  return "\"" + text.substr(0, cut) + "...\"";
}

RecordError::RecordError(int line, const std::string& what)
    : std::runtime_error("Line " + std::to_string(line) + ": " + what), line(line) {}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, pos);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

std::string DecodeText(std::string bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
  if (IsValidUtf8(bytes)) return bytes;
  std::string text;
  text.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 && byte < 0xA0) {
      AppendUtf8(text, Windows1252High[byte - 0x80]);
    } else {
      AppendUtf8(text, byte);
    }
  }
  return text;
}

// ---- Writing ----

void RecordWriter::Separate() {
  if (lineStarted_) text_ += ',';
  lineStarted_ = true;
}

RecordWriter& RecordWriter::String(const std::string& value) {
  Separate();
  text_ += '"';
  text_ += value;
  text_ += '"';
  return *this;
}

RecordWriter& RecordWriter::Number(Int16 value) {
  Separate();
  text_ += std::to_string(static_cast<int>(value));
  return *this;
}

RecordWriter& RecordWriter::Money(double value) {
  Separate();
  text_ += FormatMoney(value);
  return *this;
}

RecordWriter& RecordWriter::EndLine() {
  text_ += "\r\n";
  lineStarted_ = false;
  return *this;
}

std::string FormatMoney(double value) {
  // Money that is no longer a finite number has overflowed as surely as a 16-bit counter.
  if (!std::isfinite(value)) throw OverflowError();
  if (value == 0) return "0";  // also for -0
  std::array<char, 32> buffer{};
  // to_chars ignores the C locale, which a window system may have set to a decimal comma.
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 15);
  std::string text(buffer.data(), result.ptr);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

// ---- Reading ----

RecordReader::RecordReader(std::string text) : text_(DecodeText(std::move(text))) {}

std::string RecordReader::Field() {
  if (!lineHasMore_) throw RecordError(line_, "the line has too few fields");
  while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  if (fieldsOnLine_ == 0 && pos_ >= text_.size()) {
    throw RecordError(line_, "the file ends too early");
  }
  if (fieldsOnLine_ == 0 && IsLineEnd(text_[pos_])) throw RecordError(line_, "the line is empty");
  std::string field;
  lastQuoted_ = pos_ < text_.size() && text_[pos_] == '"';
  if (lastQuoted_) {
    const std::size_t start = pos_ + 1;
    std::size_t end = start;
    while (end < text_.size() && text_[end] != '"' && !IsLineEnd(text_[end])) ++end;
    if (end >= text_.size() || text_[end] != '"') {
      throw RecordError(line_, "a closing quote is missing");
    }
    field = text_.substr(start, end - start);
    pos_ = end + 1;
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    if (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) {
      throw RecordError(line_, "there is text after a closing quote");
    }
  } else {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
    std::size_t end = pos_;
    while (end > start && IsBlank(text_[end - 1])) --end;
    field = text_.substr(start, end - start);
    // Strings are written between quotes with no escaping: a quote inside one could never be
    // saved and read back.
    if (field.find('"') != std::string::npos) {
      throw RecordError(line_, Shown(field) + " holds a stray double quote");
    }
  }
  ++fieldsOnLine_;
  lineHasMore_ = pos_ < text_.size() && text_[pos_] == ',';
  if (lineHasMore_) ++pos_;
  return field;
}

std::string RecordReader::String() {
  return Field();
}

Int16 RecordReader::Number() {
  const int line = line_;
  const std::string field = Field();
  if (lastQuoted_) throw RecordError(line, Shown(field) + " is text where a number belongs");
  if (field.empty()) throw RecordError(line, "a number is missing");
  long value = 0;
  const char* end = field.data() + field.size();
  const auto [stop, error] = std::from_chars(field.data(), end, value);
  if (stop != end || error == std::errc::invalid_argument) {
    throw RecordError(line, Shown(field) + " is not a whole number");
  }
  if (error == std::errc::result_out_of_range || value < INT16_MIN || value > INT16_MAX) {
    throw RecordError(line, "the number " + Shown(field) + " is outside -32768 to 32767");
  }
  return Int16(static_cast<int>(value));
}

double RecordReader::Money() {
  const int line = line_;
  const std::string field = Field();
  if (lastQuoted_) throw RecordError(line, Shown(field) + " is text where an amount belongs");
  if (field.empty()) throw RecordError(line, "an amount of money is missing");
  double value = 0;
  const char* end = field.data() + field.size();
  const auto [stop, error] = std::from_chars(field.data(), end, value, std::chars_format::general);
  if (stop != end || error != std::errc() || !std::isfinite(value)) {
    throw RecordError(line, Shown(field) + " is not an amount of money");
  }
  return value;
}

void RecordReader::EndLine() {
  while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  const bool textRemains = pos_ < text_.size() && !IsLineEnd(text_[pos_]);
  if ((fieldsOnLine_ > 0 && lineHasMore_) || textRemains) {
    throw RecordError(line_, "the line has too many fields");
  }
  if (pos_ < text_.size() && text_[pos_] == '\r') {
    ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  } else if (pos_ < text_.size() && text_[pos_] == '\n') {
    ++pos_;
  }
  ++line_;
  fieldsOnLine_ = 0;
  lineHasMore_ = true;
}

bool RecordReader::AtEnd() const {
  for (std::size_t i = pos_; i < text_.size(); ++i) {
    if (!IsBlank(text_[i]) && !IsLineEnd(text_[i])) return false;
  }
  return true;
}

// ---- Files ----

std::string NotAFile(const std::filesystem::path& path) {
  std::error_code ignored;
  switch (std::filesystem::status(path, ignored).type()) {
    case std::filesystem::file_type::directory:
      return "a folder";
    case std::filesystem::file_type::fifo:
      return "a pipe";
    case std::filesystem::file_type::block:
    case std::filesystem::file_type::character:
      return "a device";
    case std::filesystem::file_type::socket:
      return "a socket";
    default:
      return "";
  }
}

std::string ReadTextFile(const std::filesystem::path& path) {
  const auto fail = [&](const std::string& reason) {
    throw std::runtime_error("Cannot read \"" + path.string() + "\": " + reason + ".");
  };
  // Opening a device may have effects of its own, and reading a pipe or a device may never end.
  if (const std::string other = NotAFile(path); !other.empty())
    fail("it is " + other + ", not a file");
  OpenFile file;
  if (const int error = file.OpenToRead(path)) fail(ErrnoText(error));
  if (file.Type() != std::filesystem::file_type::regular) fail("it is not a file");  // swapped
  std::string bytes;
  if (const int error = file.Read(bytes, MaxTextFileSize + 1)) fail(ErrnoText(error));
  if (bytes.size() > MaxTextFileSize) fail("it is far too large for a game file");
  return bytes;
}

namespace {

// Named for the process that writes it, so two copies of the game never share one.
std::filesystem::path TemporaryOf(const std::filesystem::path& path) {
  std::filesystem::path temporary = path;
  temporary += "." + std::to_string(ProcessId()) + ".tmp";
  return temporary;
}

[[noreturn]] void FailWrite(const std::filesystem::path& path, const std::string& reason) {
  RemoveFile(TemporaryOf(path));
  throw WriteError("Cannot write \"" + path.string() + "\": " + reason + ".", false);
}

// What stands in the way of replacing the file at `path`.
void CheckReplaceable(const std::filesystem::path& path) {
  if (const std::string other = NotAFile(path); !other.empty()) {
    FailWrite(path, other + " of that name is in the way");
  }
  std::error_code ignored;
  const auto status = std::filesystem::status(path, ignored);
  // Renaming would replace a file the player has marked read-only; respect the mark instead.
  if (std::filesystem::exists(status) &&
      (status.permissions() & std::filesystem::perms::owner_write) ==
          std::filesystem::perms::none) {
    FailWrite(path, "the file is read-only");
  }
}

void WriteTemporary(const std::filesystem::path& path, const std::string& text) {
  CheckReplaceable(path);
  OpenFile file;
  int error = file.Create(TemporaryOf(path));
  if (error == 0) error = file.Write(text);
  if (error == 0) error = file.Sync();
  if (error != 0) FailWrite(path, ErrnoText(error));
}

}  // namespace

void WriteFilesSafely(const std::vector<FileWrite>& files) {
  const auto removeTemporaries = [&] {
    for (const FileWrite& file : files) RemoveFile(TemporaryOf(file.Path));
  };
  try {
    for (const FileWrite& file : files) WriteTemporary(file.Path, file.Text);
  } catch (...) {
    removeTemporaries();
    throw;
  }
  for (const FileWrite& file : files) {
    int error = RenameFile(TemporaryOf(file.Path), file.Path);
    const bool renamed = error == 0;
    // Each rename is on the disk before the next one: loading relies on their order.
    if (renamed) error = SyncFolder(file.Path.parent_path());
    if (error == 0) continue;
    removeTemporaries();
    if (renamed && &file == &files.back()) {
      throw WriteError("\"" + file.Path.string() +
                           "\" was saved, but the disk may not keep it: " + ErrnoText(error) + ".",
                       true);
    }
    FailWrite(file.Path, ErrnoText(error));
  }
}

void WriteFileSafely(const std::filesystem::path& path, const std::string& text) {
  WriteFilesSafely({{path, text}});
}

void RemoveLeftoverTemporaries(const std::filesystem::path& path) {
  const std::string prefix = path.filename().string() + ".";
  std::error_code error;
  std::vector<std::filesystem::path> leftovers;
  const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with(prefix) || !name.ends_with(".tmp")) continue;
    const std::string process = name.substr(prefix.size(), name.size() - prefix.size() - 4);
    if (!process.empty() &&
        std::ranges::all_of(process, [](char c) { return c >= '0' && c <= '9'; }))
      leftovers.push_back(entry.path());
  }
  for (const auto& leftover : leftovers) RemoveFile(leftover);
}

std::filesystem::path DamagedCopyPath(const std::filesystem::path& path) {
  std::filesystem::path copy = path;
  copy += ".damaged";
  std::error_code error;
  for (int number = 2; std::filesystem::exists(std::filesystem::symlink_status(copy, error));
       ++number) {
    copy = path;
    copy += ".damaged." + std::to_string(number);
  }
  return copy;
}

std::filesystem::path LockPathOf(const std::filesystem::path& path) {
  std::filesystem::path lock = path;
  lock += ".lock";
  return lock;
}

}  // namespace ringvale
