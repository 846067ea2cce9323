#include "state/conversation_list.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace mail::state {
namespace {

using MessageIndex = std::unordered_map<std::string_view, const MessageRecord*>;

std::string_view trim_blanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string own_key(const MessageRecord& message) {
  if (message.message_id) return std::string(trimmed_message_id(*message.message_id));
  return message.id.to_string();
}

// Walks up the thread references for as long as they name messages of the folder.
// Each walk keeps its own visited set, so a reference cycle ends the walk at the
// message seen twice.
std::string thread_key(const MessageRecord& message, const MessageIndex& index) {
  const MessageRecord* current = &message;
  std::unordered_set<const MessageRecord*> visited{current};
  while (current->thread_ref) {
    const std::string_view reference = trimmed_message_id(*current->thread_ref);
    const auto parent = index.find(reference);
    if (parent == index.end()) return std::string(reference);
    current = parent->second;
    if (!visited.insert(current).second) break;
  }
  return own_key(*current);
}

std::vector<const MessageRecord*> newest_first(const MessageStore& store, FolderKind folder) {
  std::vector<const MessageRecord*> messages;
  for (const MessageId& id : store.folder(folder)) messages.push_back(store.find(id));
  std::ranges::stable_sort(messages, std::ranges::greater(), &MessageRecord::date);
  return messages;
}

}  // namespace

std::string_view trimmed_message_id(std::string_view id) {
  id = trim_blanks(id);
  if (id.starts_with('<')) id.remove_prefix(1);
  if (id.ends_with('>')) id.remove_suffix(1);
  return id;
}

std::vector<ListItem> conversation_list(const MessageStore& store, FolderKind folder) {
  const std::vector<const MessageRecord*> messages = newest_first(store, folder);
  MessageIndex index;
  for (const MessageRecord* message : messages) {
    if (message->message_id) index.emplace(trimmed_message_id(*message->message_id), message);
  }
  // Messages arrive newest first, so conversations are created in the order of
  // their newest message, and each one's last message is its oldest.
  std::vector<ListItem> conversations;
  std::unordered_map<std::string, std::size_t> position;
  for (const MessageRecord* message : messages) {
    const auto [slot, created] = position.try_emplace(thread_key(*message, index), conversations.size());
    if (created) conversations.push_back({message->id, 0});
    ListItem& conversation = conversations[slot->second];
    conversation.representative = message->id;
    ++conversation.count;
  }
  return conversations;
}

}  // namespace mail::state
