#include "platform/storage/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <utility>

namespace orvo::atomic_file {
namespace {

std::string system_error(std::string_view what, const std::filesystem::path& path) {
  return std::string(what) + " " + path.string() + ": " + std::strerror(errno);
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  [[nodiscard]] int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

std::expected<void, std::string> write_all(int fd, std::span<const std::byte> bytes, const std::filesystem::path& path) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return std::unexpected(system_error("could not write", path));
    }
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return {};
}

// Makes the rename itself durable.
void sync_folder(const std::filesystem::path& folder) {
  const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());
}

}  // namespace

std::expected<void, std::string> write(const std::filesystem::path& path, std::span<const std::byte> bytes,
                                       std::filesystem::perms mode) {
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  std::string temporary = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  FileDescriptor fd(::mkstemp(temporary.data()));
  if (fd.get() < 0) return std::unexpected(system_error("could not create a temporary file in", folder));

  auto discard = [&](std::string error) -> std::expected<void, std::string> {
    ::unlink(temporary.c_str());
    return std::unexpected(std::move(error));
  };
  if (::fchmod(fd.get(), static_cast<mode_t>(mode)) != 0) return discard(system_error("could not set the mode of", path));
  if (auto written = write_all(fd.get(), bytes, path); !written) return discard(written.error());
  if (::fsync(fd.get()) != 0) return discard(system_error("could not flush", path));
  if (::close(fd.release()) != 0) return discard(system_error("could not close", path));
  if (::rename(temporary.c_str(), path.c_str()) != 0) return discard(system_error("could not replace", path));
  sync_folder(folder);
  return {};
}

std::expected<void, std::string> write(const std::filesystem::path& path, std::string_view text,
                                       std::filesystem::perms mode) {
  return write(path, std::as_bytes(std::span(text.data(), text.size())), mode);
}

std::expected<std::string, std::string> read(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::unexpected(system_error("could not open", path));
  std::ostringstream content;
  content << file.rdbuf();
  if (file.bad()) return std::unexpected(system_error("could not read", path));
  return content.str();
}

}  // namespace orvo::atomic_file
