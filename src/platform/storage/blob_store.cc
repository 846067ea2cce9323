#include "platform/storage/blob_store.h"

#include <algorithm>
#include <cstdint>
#include <system_error>

#include "platform/crypto/blake3.h"
#include "platform/storage/atomic_file.h"

namespace orvo::storage {
namespace {

constexpr std::size_t key_length = 64;

// Keys arrive from drafts on disk and must never steer a path: only the exact form
// that put() hands out is accepted.
bool is_key(std::string_view key) {
  return key.size() == key_length &&
         std::ranges::all_of(key, [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

std::string missing(std::string_view key) { return "no blob is stored under the key " + std::string(key); }

std::string damaged(std::string_view key) {
  return "the blob " + std::string(key) + " is damaged: its content no longer matches its key";
}

// Checked before reading, so that a damaged entry of any size is never loaded whole.
std::expected<void, std::string> check_entry_size(const std::filesystem::path& path, std::string_view key) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error == std::errc::no_such_file_or_directory) return std::unexpected(missing(key));
  if (error) return std::unexpected("could not inspect the blob " + std::string(key) + ": " + error.message());
  if (size > BlobStore::max_content_size) return std::unexpected(damaged(key));
  return {};
}

}  // namespace

BlobStore::BlobStore(const std::filesystem::path& root) : folder_(root / "blobs") {}

std::expected<std::string, std::string> BlobStore::put(std::string_view content) {
  if (content.size() > max_content_size) return std::unexpected("a blob can hold at most 32 MiB");
  if (!folder_) return std::unexpected("there is no folder to keep blobs in");
  std::string key = crypto::blake3_hex(content);
  const std::filesystem::path path = entry_path(key);
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  if (error) {
    return std::unexpected("could not create the folder " + path.parent_path().string() + ": " + error.message());
  }
  if (auto written = atomic_file::write(path, content, std::filesystem::perms(0600)); !written) {
    return std::unexpected(written.error());
  }
  return key;
}

std::expected<std::string, std::string> BlobStore::get(std::string_view key) const {
  if (!is_key(key)) return std::unexpected("a blob key must be 64 lower-case hexadecimal digits");
  if (!folder_) return std::unexpected(missing(key));
  const std::filesystem::path path = entry_path(key);
  if (auto checked = check_entry_size(path, key); !checked) return std::unexpected(checked.error());
  auto content = atomic_file::read(path);
  if (content && !verify(key, *content)) return std::unexpected(damaged(key));
  return content;
}

bool BlobStore::verify(std::string_view key, std::string_view content) {
  return is_key(key) && crypto::blake3_hex(content) == key;
}

// Entries are spread over 256 sub-folders by their first two digits, which keeps
// every folder small however many attachments pile up.
std::filesystem::path BlobStore::entry_path(std::string_view key) const {
  return *folder_ / key.substr(0, 2) / key;
}

}  // namespace orvo::storage
