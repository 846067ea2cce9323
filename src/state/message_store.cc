#include "state/message_store.h"

#include <algorithm>
#include <atomic>

namespace mail::state {
namespace {

// Starred is a view of the Inbox: its starred messages, and whatever the server
// delivered for the view itself.
bool shown_in(const MessageRecord& record, FolderKind kind) {
  if (kind == FolderKind::Starred && record.starred && record.folder == FolderKind::Inbox) return true;
  return record.folder == kind;
}

}  // namespace

std::uint64_t next_revision() {
  static std::atomic<std::uint64_t> counter{0};
  return counter.fetch_add(1, std::memory_order_relaxed) + 1;
}

MessageStore::MessageStore() : revision_(next_revision()) {}

void MessageStore::insert(MessageRecord record) {
  const MessageId id = record.id;
  const auto [place, inserted] = records_.insert_or_assign(id, std::move(record));
  if (inserted) order_.push_back(id);
  changed();
}

const MessageRecord* MessageStore::find(const MessageId& id) const {
  const auto found = records_.find(id);
  return found == records_.end() ? nullptr : &found->second;
}

MessageRecord* MessageStore::find_mutable(const MessageId& id) {
  const auto found = records_.find(id);
  return found == records_.end() ? nullptr : &found->second;
}

bool MessageStore::set_read(const MessageId& id, bool read) {
  MessageRecord* record = find_mutable(id);
  if (record == nullptr || record->read == read) return false;
  record->read = read;
  changed();
  return true;
}

bool MessageStore::toggle_starred(const MessageId& id) {
  MessageRecord* record = find_mutable(id);
  if (record == nullptr) return false;
  record->starred = !record->starred;
  changed();
  return true;
}

bool MessageStore::move_to(const MessageId& id, FolderKind folder) {
  MessageRecord* record = find_mutable(id);
  if (record == nullptr || record->folder == folder) return false;
  record->folder = folder;
  changed();
  return true;
}

bool MessageStore::remove(const MessageId& id) {
  if (records_.erase(id) == 0) return false;
  std::erase(order_, id);
  changed();
  return true;
}

void MessageStore::clear() {
  if (order_.empty()) return;
  order_.clear();
  records_.clear();
  changed();
}

const MessageStore::FolderIndex& MessageStore::folder_index() const {
  if (index_.revision == revision_) return index_;
  index_ = FolderIndex{.revision = revision_};
  for (const MessageId& id : order_) {
    const MessageRecord& record = records_.at(id);
    for (const FolderKind kind : message::folder_display_order) {
      if (!shown_in(record, kind)) continue;
      const auto slot = static_cast<std::size_t>(kind);
      index_.ids[slot].push_back(id);
      index_.records[slot].push_back(&record);
      if (!record.read) ++index_.unread[slot];
    }
  }
  return index_;
}

const std::vector<MessageId>& MessageStore::folder(FolderKind kind) const {
  return folder_index().ids[static_cast<std::size_t>(kind)];
}

const std::vector<const MessageRecord*>& MessageStore::folder_records(FolderKind kind) const {
  return folder_index().records[static_cast<std::size_t>(kind)];
}

std::size_t MessageStore::unread_count(FolderKind kind) const {
  return folder_index().unread[static_cast<std::size_t>(kind)];
}

}  // namespace mail::state
