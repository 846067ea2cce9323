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

std::vector<MessageId> MessageStore::folder(FolderKind kind) const {
  std::vector<MessageId> ids;
  std::ranges::copy_if(order_, std::back_inserter(ids), [&](const MessageId& id) { return shown_in(records_.at(id), kind); });
  return ids;
}

}  // namespace mail::state
