#include "state/conversation_list.h"

#include <algorithm>
#include <deque>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>

#include "message/ascii.h"

namespace mail::state {
namespace {

// What grouping needs of one message, kept side by side so that sorting and walking
// a large folder rarely touches the records themselves.
struct Entry {
  message::Minutes date;
  const MessageRecord* record;
  std::string_view message_id;  // trimmed; empty when the message has none
  std::optional<std::string_view> thread_ref;  // trimmed
};

using MessageIndex = std::unordered_map<std::string_view, const Entry*>;

// A thread key: the Message-ID of a message of the folder, named by the entry the
// index holds for it, or a text no message of the folder carries (a reference to a
// message elsewhere, or the spelled-out id of a message without a Message-ID).
using ThreadKey = std::variant<const Entry*, std::string_view>;

// Texts are views into the records, or into `spelled_ids_`, so that grouping a
// large folder allocates almost nothing.
class ThreadKeys {
 public:
  explicit ThreadKeys(const MessageIndex& index) : index_(index) {}

  // Walks up the thread references for as long as they name messages of the folder.
  // Each walk keeps its own visited list (walks are short), so a reference cycle ends
  // the walk at the message seen twice.
  ThreadKey key_of(const Entry& entry) {
    const Entry* current = &entry;
    visited_.assign(1, current);
    while (current->thread_ref) {
      const auto parent = index_.find(*current->thread_ref);
      if (parent == index_.end()) return *current->thread_ref;
      current = parent->second;
      if (std::ranges::find(visited_, current) != visited_.end()) break;
      visited_.push_back(current);
    }
    return own_key(*current);
  }

 private:
  ThreadKey own_key(const Entry& entry) {
    if (entry.record->message_id) return index_.at(entry.message_id);
    return std::string_view(spelled_ids_.emplace_back(entry.record->id.to_string()));
  }

  const MessageIndex& index_;
  std::vector<const Entry*> visited_;
  std::deque<std::string> spelled_ids_;
};

// Where each conversation sits in the list, by its key.
class ConversationSlots {
 public:
  explicit ConversationSlots(const std::vector<Entry>& entries)
      : entries_(entries), by_entry_(entries.size(), none) {}

  // The slot of the key, or `none` when the key is new; `next` is recorded for it then.
  std::size_t find_or_add(const ThreadKey& key, std::size_t next) {
    std::size_t* slot = nullptr;
    if (const auto* entry = std::get_if<const Entry*>(&key)) {
      slot = &by_entry_[static_cast<std::size_t>(*entry - entries_.data())];
    } else {
      slot = &by_text_.try_emplace(std::get<std::string_view>(key), none).first->second;
    }
    if (*slot != none) return *slot;
    *slot = next;
    return none;
  }

  static constexpr std::size_t none = static_cast<std::size_t>(-1);

 private:
  const std::vector<Entry>& entries_;
  std::vector<std::size_t> by_entry_;
  std::unordered_map<std::string_view, std::size_t> by_text_;
};

std::vector<Entry> newest_first(const MessageStore& store, FolderKind folder) {
  const std::vector<const MessageRecord*>& records = store.folder_records(folder);
  std::vector<Entry> entries;
  entries.reserve(records.size());
  for (const MessageRecord* record : records) {
    Entry& entry = entries.emplace_back(Entry{record->date, record, {}, std::nullopt});
    if (record->message_id) entry.message_id = trimmed_message_id(*record->message_id);
    if (record->thread_ref) entry.thread_ref = trimmed_message_id(*record->thread_ref);
  }
  std::ranges::stable_sort(entries, std::ranges::greater(), &Entry::date);
  return entries;
}

}  // namespace

std::string_view trimmed_message_id(std::string_view id) {
  id = message::trim_blanks(id);
  if (id.starts_with('<')) id.remove_prefix(1);
  if (id.ends_with('>')) id.remove_suffix(1);
  return id;
}

std::vector<ListItem> conversation_list(const MessageStore& store, FolderKind folder) {
  const std::vector<Entry> entries = newest_first(store, folder);
  MessageIndex index;
  index.reserve(entries.size());
  for (const Entry& entry : entries) {
    if (entry.record->message_id) index.emplace(entry.message_id, &entry);
  }
  // Entries come newest first, so conversations are created in the order of their
  // newest message, and each one's last message is its oldest.
  ThreadKeys keys(index);
  ConversationSlots slots(entries);
  std::vector<ListItem> conversations;
  for (const Entry& entry : entries) {
    std::size_t slot = slots.find_or_add(keys.key_of(entry), conversations.size());
    if (slot == ConversationSlots::none) {
      slot = conversations.size();
      conversations.push_back({entry.record->id, 0});
    }
    conversations[slot].representative = entry.record->id;
    ++conversations[slot].count;
  }
  return conversations;
}

}  // namespace mail::state
