#include "actions/conversations.h"

#include <algorithm>
#include <ranges>
#include <string_view>
#include <unordered_map>

#include "state/conversation_list.h"

namespace mail::actions {
namespace {

using message::MessageRecord;

std::vector<const MessageRecord*> newest_first(const state::MessageStore& store, message::FolderKind folder) {
  std::vector<const MessageRecord*> records = store.folder_records(folder);
  std::ranges::stable_sort(records, std::ranges::greater(), &MessageRecord::date);
  return records;
}

std::string own_key(const MessageRecord& record) {
  if (record.message_id) return std::string(state::trimmed_message_id(*record.message_id));
  return record.id.to_string();
}

// Walks up the thread references while they name messages of the folder; a
// reference to a message elsewhere is the key itself. A cycle ends at the message
// reached twice.
class ThreadKeys {
 public:
  explicit ThreadKeys(const std::vector<const MessageRecord*>& records) {
    for (const MessageRecord* record : records) {
      if (record->message_id) by_message_id_.try_emplace(state::trimmed_message_id(*record->message_id), record);
    }
  }

  std::string key_of(const MessageRecord& record) const {
    const MessageRecord* current = &record;
    std::vector<const MessageRecord*> visited{current};
    while (current->thread_ref) {
      const std::string_view reference = state::trimmed_message_id(*current->thread_ref);
      const auto parent = by_message_id_.find(reference);
      if (parent == by_message_id_.end()) return std::string(reference);
      current = parent->second;
      if (std::ranges::find(visited, current) != visited.end()) break;
      visited.push_back(current);
    }
    return own_key(*current);
  }

 private:
  std::unordered_map<std::string_view, const MessageRecord*> by_message_id_;
};

}  // namespace

std::vector<Conversation> keyed_conversations(const state::MessageStore& store, message::FolderKind folder,
                                              std::size_t message_limit) {
  const std::vector<const MessageRecord*> records = newest_first(store, folder);
  const ThreadKeys keys(records);
  std::vector<Conversation> conversations;
  std::unordered_map<std::string, std::size_t> slots;
  for (const MessageRecord* record : records | std::views::take(message_limit)) {
    std::string key = keys.key_of(*record);
    const auto [slot, added] = slots.try_emplace(key, conversations.size());
    if (added) conversations.push_back({std::move(key), {}});
    conversations[slot->second].messages.push_back(record);
  }
  return conversations;
}

}  // namespace mail::actions
