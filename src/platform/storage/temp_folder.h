#pragma once

#include <expected>
#include <filesystem>
#include <string>
#include <string_view>

namespace orvo::storage {

// A uniquely named folder in the system's temporary directory, removed with
// everything in it when the owner goes away.
class TempFolder {
 public:
  // The name is `prefix` followed by six random characters.
  static std::expected<TempFolder, std::string> create(std::string_view prefix);

  TempFolder(TempFolder&& other) noexcept;
  TempFolder& operator=(TempFolder&& other) noexcept;
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  [[nodiscard]] const std::filesystem::path& path() const { return path_; }

 private:
  explicit TempFolder(std::filesystem::path path) : path_(std::move(path)) {}
  void remove();

  std::filesystem::path path_;
};

}  // namespace orvo::storage
