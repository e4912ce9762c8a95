// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace ringvale {

// The calls to the system's files that standard C++ lacks: opening without waiting, reading no
// more than a limit, flushing to disk, and locks that die with their process. Each call that can
// wait, fail or change a file is one step, and every step passes through the hook, so a test can
// fail a write at any step or end the program there.

enum class FileStep { Open, Read, Write, Sync, Rename, Remove, Lock };

// Asked before each step: 0 lets it run, an error number (EIO, ENOSPC...) fails it as the system
// would. The game sets none.
using FileStepHook = std::function<int(FileStep step, const std::filesystem::path& path)>;
void SetFileStepHook(FileStepHook hook);

// An open file, closed when it goes. The calls answer 0 or the system's error number.
class OpenFile {
 public:
  OpenFile() = default;
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile();

  int OpenToRead(const std::filesystem::path& path);  // never waits, not even for a pipe
  int Create(const std::filesystem::path& path);      // new or emptied; never through a link
  std::filesystem::file_type Type() const;
  int Read(std::string& bytes, std::size_t limit);  // to the end, or `limit` bytes at most
  int Write(const std::string& bytes);
  int Sync();  // to the disk

 private:
  int fd_ = -1;
  std::filesystem::path path_;
};

int SyncFolder(const std::filesystem::path& folder);  // its names, to the disk
int RenameFile(const std::filesystem::path& from, const std::filesystem::path& to);
int RemoveFile(const std::filesystem::path& path);
int ProcessId();

// A lock on a file that is never replaced, let go when its last holder in this process lets go,
// and by the system when the process ends however it ends.
class FileLock {
 public:
  FileLock(int fd, std::filesystem::path path) : fd_(fd), path_(std::move(path)) {}
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock();
  const std::filesystem::path& Path() const { return path_; }

 private:
  int fd_;
  std::filesystem::path path_;
};

// This process's lock on the file at `path`, made if missing: the one a holder in this process
// already has, else a new one. Null when another process holds it, unless `wait`, which waits
// for it. A lock file that cannot be made or locked (a folder the game cannot write) locks
// nothing, so the game still goes on there.
std::shared_ptr<FileLock> LockFile(const std::filesystem::path& path, bool wait);

}  // namespace ringvale
