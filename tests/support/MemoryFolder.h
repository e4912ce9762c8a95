#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace ringvale::test {

// A fresh, empty folder in memory where the system has one (/dev/shm), else in the temporary
// folder; it disappears with its owner. For soaks and benchmarks that save hundreds of times:
// replacing a file on a journalled disk waits for the disk each time.
class MemoryFolder {
 public:
  MemoryFolder() {
    std::error_code error;
    std::random_device device;
    path_ = (std::filesystem::is_directory("/dev/shm", error)
                 ? std::filesystem::path("/dev/shm")
                 : std::filesystem::temp_directory_path()) /
            ("ringvale-" + std::to_string(device()) + std::to_string(device()));
    std::filesystem::create_directories(path_);
  }
  ~MemoryFolder() { std::filesystem::remove_all(path_, error_); }
  MemoryFolder(const MemoryFolder&) = delete;
  MemoryFolder& operator=(const MemoryFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::error_code error_;
};

}  // namespace ringvale::test
