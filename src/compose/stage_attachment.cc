#include "compose/stage_attachment.h"

#include <utility>

#include "compose/attachment_limit.h"
#include "compose/attachment_name.h"
#include "message/ascii.h"
#include "message/mime_type.h"

namespace mail::compose {
namespace {

constexpr std::string_view content_id_prefix = "mail-attachment:blake3:";
constexpr std::size_t max_mime_length = 127;
constexpr std::string_view too_large = "attachments are limited to 32 MiB";

// The type ends up in a header of the sent message: nothing that could end or quote
// its way out of it.
bool is_type_character(char c) { return c >= '!' && c <= '~' && c != '"' && c != '\\'; }

std::string clean_mime_type(std::string_view type) {
  std::string kept;
  for (const char c : message::trim_blanks(type)) {
    if (is_type_character(c) && kept.size() < max_mime_length) kept += c;
  }
  const bool shaped = kept.find('/') != std::string::npos && kept.front() != '/' && kept.back() != '/';
  return shaped ? kept : "application/octet-stream";
}

// The size is checked before reading and again after, reading one byte past the
// limit: a file that grows in between is caught without ever holding more.
std::expected<std::string, std::string> read_selected(orvo::storage::FileHandle file) {
  const auto info = file.info();
  if (!info) return std::unexpected("could not inspect selected file: " + info.error());
  if (!info->regular) return std::unexpected("the selected item is not a regular file");
  if (info->size > max_attachment_size) return std::unexpected(std::string(too_large));
  auto content = file.read_at_most(max_attachment_size + 1);
  if (!content) return std::unexpected("could not read selected file: " + content.error());
  if (content->size() > max_attachment_size) return std::unexpected(std::string(too_large));
  return content;
}

// The store checks its entries itself, but what the draft will reference is decided
// here: the entry must hold exactly these bytes, under exactly this key.
bool reads_back(const orvo::storage::BlobStore& store, const std::string& key, const std::string& content) {
  const auto stored = store.get(key);
  return stored && *stored == content &&
         orvo::storage::BlobStore::verify(key, *stored);
}

std::expected<std::string, std::string> retain(orvo::storage::BlobStore& store, const std::string& content) {
  auto key = store.put(content);
  if (!key) return std::unexpected("could not retain attachment content for this draft");
  if (!reads_back(store, *key, content)) return std::unexpected("attachment content failed integrity verification");
  return key;
}

}  // namespace

std::expected<message::DraftAttachment, std::string> stage_attachment(orvo::storage::BlobStore& store,
                                                                      orvo::storage::FileHandle file,
                                                                      std::string_view reported_name) {
  const auto content = read_selected(std::move(file));
  if (!content) return std::unexpected(content.error());
  const auto key = retain(store, *content);
  if (!key) return std::unexpected(key.error());
  std::string filename = staged_file_name(reported_name);
  std::string mime = clean_mime_type(message::mime_type_for(filename));
  return message::DraftAttachment{.content_id = std::string(content_id_prefix) + *key,
                                  .filename = std::move(filename),
                                  .mime = std::move(mime),
                                  .size = content->size()};
}

}  // namespace mail::compose
