#include "engine/smtp/attachment_content.h"

#include "engine/smtp/attachment_validity.h"

namespace mail::engine::smtp {
namespace {

// The store reports a missing entry only in words; it is told apart from a damaged
// one because the user can do something about it (wait for the content to arrive).
bool is_missing_entry(const std::string& store_error, const std::string& key) {
  return store_error == "no blob is stored under the key " + key;
}

std::unexpected<std::string> failure(const message::DraftAttachment& attachment, std::string_view problem) {
  return std::unexpected("attachment " + attachment.filename + " " + std::string(problem));
}

}  // namespace

std::expected<std::string, std::string> load_attachment_content(const orvo::storage::BlobStore& store,
                                                                const message::DraftAttachment& attachment) {
  if (!has_valid_metadata(attachment)) return failure(attachment, "has invalid metadata");
  const auto key = content_key(attachment.content_id);
  if (!key) return failure(attachment, "has invalid content identity");
  auto content = store.get(*key);
  if (!content && is_missing_entry(content.error(), *key)) {
    return failure(attachment, "is not available on this device yet");
  }
  // The store itself refuses an entry above its size limit or one that no longer
  // hashes to its key; the record's size, within the same limit, must match too.
  if (!content || content->size() != attachment.size) return failure(attachment, "failed integrity validation");
  return content;
}

}  // namespace mail::engine::smtp
