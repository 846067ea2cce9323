#include "platform/storage/temp_folder.h"

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace orvo::storage {

std::expected<TempFolder, std::string> TempFolder::create(std::string_view prefix) {
  std::error_code error;
  const std::filesystem::path base = std::filesystem::temp_directory_path(error);
  if (error) return std::unexpected("no temporary directory: " + error.message());
  std::string pattern = (base / (std::string(prefix) + "XXXXXX")).string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    return std::unexpected("could not create a temporary folder: " + std::string(std::strerror(errno)));
  }
  return TempFolder(std::filesystem::path(pattern));
}

TempFolder::TempFolder(TempFolder&& other) noexcept : path_(std::exchange(other.path_, {})) {}

TempFolder& TempFolder::operator=(TempFolder&& other) noexcept {
  if (this != &other) {
    remove();
    path_ = std::exchange(other.path_, {});
  }
  return *this;
}

TempFolder::~TempFolder() { remove(); }

void TempFolder::remove() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
  path_.clear();
}

}  // namespace orvo::storage
