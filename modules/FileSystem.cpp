// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileSystem.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <map>
#include <utility>

namespace ringvale {

namespace {

FileStepHook& Hook() {
  static FileStepHook hook;
  return hook;
}

int Step(FileStep step, const std::filesystem::path& path) {
  return Hook() ? Hook()(step, path) : 0;
}

std::filesystem::file_type TypeOf(mode_t mode) {
  using std::filesystem::file_type;
  if (S_ISREG(mode)) return file_type::regular;
  if (S_ISDIR(mode)) return file_type::directory;
  if (S_ISFIFO(mode)) return file_type::fifo;
  if (S_ISCHR(mode)) return file_type::character;
  if (S_ISBLK(mode)) return file_type::block;
  if (S_ISSOCK(mode)) return file_type::socket;
  if (S_ISLNK(mode)) return file_type::symlink;
  return file_type::unknown;
}

}  // namespace

void SetFileStepHook(FileStepHook hook) {
  Hook() = std::move(hook);
}

OpenFile::~OpenFile() {
  if (fd_ >= 0) ::close(fd_);
}

int OpenFile::OpenToRead(const std::filesystem::path& path) {
  path_ = path;
  if (const int error = Step(FileStep::Open, path)) return error;
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  return fd_ < 0 ? errno : 0;
}

int OpenFile::Create(const std::filesystem::path& path) {
  path_ = path;
  if (const int error = Step(FileStep::Open, path)) return error;
  fd_ = ::open(path.c_str(),
               O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  return fd_ < 0 ? errno : 0;
}

std::filesystem::file_type OpenFile::Type() const {
  struct stat status {};
  if (::fstat(fd_, &status) != 0) return std::filesystem::file_type::unknown;
  return TypeOf(status.st_mode);
}

int OpenFile::Read(std::string& bytes, std::size_t limit) {
  bytes.clear();
  std::array<char, 65536> chunk;
  while (bytes.size() < limit) {
    if (const int error = Step(FileStep::Read, path_)) return error;
    const ssize_t got = ::read(fd_, chunk.data(), std::min(chunk.size(), limit - bytes.size()));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return errno;
    if (got == 0) break;
    bytes.append(chunk.data(), static_cast<std::size_t>(got));
  }
  return 0;
}

int OpenFile::Write(const std::string& bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    if (const int error = Step(FileStep::Write, path_)) return error;
    const ssize_t put = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) return errno;
    done += static_cast<std::size_t>(put);
  }
  return 0;
}

int OpenFile::Sync() {
  if (const int error = Step(FileStep::Sync, path_)) return error;
  return ::fsync(fd_) != 0 ? errno : 0;
}

int SyncFolder(const std::filesystem::path& folder) {
  const std::filesystem::path path = folder.empty() ? "." : folder;
  if (const int error = Step(FileStep::Sync, path)) return error;
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  // Some file systems cannot flush a folder (EINVAL): their renames need no flushing.
  const int error = ::fsync(fd) != 0 && errno != EINVAL ? errno : 0;
  ::close(fd);
  return error;
}

int RenameFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (const int error = Step(FileStep::Rename, to)) return error;
  return ::rename(from.c_str(), to.c_str()) != 0 ? errno : 0;
}

int RemoveFile(const std::filesystem::path& path) {
  if (const int error = Step(FileStep::Remove, path)) return error;
  return ::unlink(path.c_str()) != 0 ? errno : 0;
}

int ProcessId() {
  return static_cast<int>(::getpid());
}

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);
}

std::shared_ptr<FileLock> LockFile(const std::filesystem::path& path, bool wait) {
  // flock conflicts between two descriptors of one process too: the locks this process holds, by
  // the file they lock, so a second Game shares the first one's. Found before anything is
  // opened, as where flock is emulated (NFS) closing any descriptor of the file lets go.
  static std::map<std::pair<dev_t, ino_t>, std::weak_ptr<FileLock>> held;
  std::erase_if(held, [](const auto& lock) { return lock.second.expired(); });
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0) {
    const auto found = held.find({status.st_dev, status.st_ino});
    if (found != held.end()) return found->second.lock();
  }
  const auto nothingToLock = [&] { return std::make_shared<FileLock>(-1, path); };
  if (Step(FileStep::Open, path) != 0) return nothingToLock();
  constexpr int Opening = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | Opening, 0666);
  if (fd < 0) fd = ::open(path.c_str(), O_RDONLY | Opening);  // a folder that cannot be written
  if (fd >= 0 && (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))) {
    ::close(fd);
    fd = -1;
  }
  if (fd < 0) return nothingToLock();
  int error = Step(FileStep::Lock, path);
  while (error == 0 && ::flock(fd, LOCK_EX | (wait ? 0 : LOCK_NB)) != 0) {
    if (errno != EINTR) error = errno;
  }
  if (error != 0) {
    ::close(fd);
    return error == EWOULDBLOCK ? nullptr : nothingToLock();
  }
  auto lock = std::make_shared<FileLock>(fd, path);
  held[{status.st_dev, status.st_ino}] = lock;
  return lock;
}

}  // namespace ringvale
