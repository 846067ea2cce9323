#pragma once

#include <cstddef>
#include <expected>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvo::storage {

// Content kept under its own BLAKE3 hash, in the "blobs" folder of the root it is
// given: a key is 64 lower-case hexadecimal digits and names exactly one content.
// Reading an entry back checks it against its key, so damage on disk surfaces as
// an error instead of wrong bytes.
class BlobStore {
 public:
  static constexpr std::size_t max_content_size = std::size_t{32} << 20;

  explicit BlobStore(const std::filesystem::path& root);
  // A store with nowhere to keep anything: it holds no blob and takes none.
  static BlobStore nowhere() { return BlobStore(); }

  // The key of the stored content. Storing a content that is already present is
  // harmless, and mends its entry if that was damaged.
  std::expected<std::string, std::string> put(std::string_view content);

  [[nodiscard]] std::expected<std::string, std::string> get(std::string_view key) const;

  // True only when `key` is well formed and `content` hashes to it.
  [[nodiscard]] static bool verify(std::string_view key, std::string_view content);

 private:
  BlobStore() = default;
  [[nodiscard]] std::filesystem::path entry_path(std::string_view key) const;

  std::optional<std::filesystem::path> folder_;
};

}  // namespace orvo::storage
