#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <expected>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

namespace orvo::storage {

struct FileInfo {
  bool regular = false;
  std::uint64_t size = 0;
};

// An open file descriptor, closed when the handle goes away: whoever receives a
// file the user picked reads that very file, whatever happens to its path meanwhile.
class FileHandle {
 public:
  // Never waits: opening a named pipe or a device without a writer would otherwise
  // hang until someone wrote to it. Reads of regular files are unaffected.
  static std::expected<FileHandle, std::string> open_for_reading(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return std::unexpected("could not open " + path.string() + ": " + describe(errno));
    return FileHandle(fd);
  }

  explicit FileHandle(int fd) : fd_(fd) {}
  FileHandle(FileHandle&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileHandle& operator=(FileHandle&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (fd_ >= 0) ::close(fd_);
  }

  [[nodiscard]] std::expected<FileInfo, std::string> info() const {
    struct stat status {};
    if (::fstat(fd_, &status) != 0) return std::unexpected(describe(errno));
    return FileInfo{.regular = S_ISREG(status.st_mode), .size = static_cast<std::uint64_t>(status.st_size)};
  }

  // Up to `limit` bytes from the current position, fewer only at the end of the file.
  std::expected<std::string, std::string> read_at_most(std::size_t limit) {
    constexpr std::size_t chunk = std::size_t{1} << 16;
    std::string content;
    while (content.size() < limit) {
      const std::size_t before = content.size();
      content.resize(before + std::min(chunk, limit - before));
      const ssize_t count = ::read(fd_, content.data() + before, content.size() - before);
      const int error = errno;
      content.resize(before + static_cast<std::size_t>(std::max<ssize_t>(count, 0)));
      if (count == 0) break;
      if (count < 0 && error != EINTR) return std::unexpected(describe(error));
    }
    return content;
  }

 private:
  static std::string describe(int error) { return std::generic_category().message(error); }

  int fd_;
};

}  // namespace orvo::storage
