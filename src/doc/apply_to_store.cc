#include "doc/apply_to_store.h"

#include <optional>
#include <string>
#include <vector>

#include "doc/document_layout.h"

namespace mail::doc {
namespace {

using message::MessageId;
using message::MessageRecord;
using orvo::storage::Document;
using orvo::storage::DocumentMap;
using orvo::storage::TextList;

// The document's decisions for one message; each absent one leaves the record's value.
struct LocalFlags {
  const bool* read = nullptr;
  const bool* starred = nullptr;
  std::optional<message::FolderKind> folder;
  const TextList* labels = nullptr;
};

LocalFlags local_flags(const Document& document, const MessageId& id) {
  const std::string* folder = document.get<std::string>(flags_path(id, "folder"));
  return {.read = document.get<bool>(flags_path(id, "read")),
          .starred = document.get<bool>(flags_path(id, "starred")),
          .folder = folder == nullptr ? std::nullopt : message::folder_from_identifier(*folder),
          .labels = document.get<TextList>(flags_path(id, "labels"))};
}

bool differs(const MessageRecord& record, const LocalFlags& flags) {
  return (flags.read && *flags.read != record.read) || (flags.starred && *flags.starred != record.starred) ||
         (flags.folder && *flags.folder != record.folder) || (flags.labels && *flags.labels != record.labels);
}

MessageRecord with_flags(MessageRecord record, const LocalFlags& flags) {
  if (flags.read) record.read = *flags.read;
  if (flags.starred) record.starred = *flags.starred;
  if (flags.folder) record.folder = *flags.folder;
  if (flags.labels) record.labels = *flags.labels;
  return record;
}

bool is_purged(const Document& document, const MessageId& id) {
  const bool* purged = document.get<bool>(message_path(id, "purged"));
  return purged != nullptr && *purged;
}

}  // namespace

void apply_to_store(const Document& document, state::MessageStore& store) {
  const std::vector<MessageId> ids = store.order();
  for (const MessageId& id : ids) {
    if (is_purged(document, id)) store.remove(id);
  }
  if (document.get<DocumentMap>(flags_path()) == nullptr) return;
  for (const MessageId& id : ids) {
    const MessageRecord* record = store.find(id);
    if (record == nullptr || document.get<DocumentMap>(flags_path(id)) == nullptr) continue;
    const LocalFlags flags = local_flags(document, id);
    // Copied only when it changes: records carry whole bodies and attachments.
    if (differs(*record, flags)) store.insert(with_flags(*record, flags));
  }
}

}  // namespace mail::doc
