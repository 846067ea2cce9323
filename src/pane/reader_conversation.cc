#include "pane/reader_conversation.h"

#include <algorithm>

#include "message/subject.h"
#include "state/message_commands.h"

namespace mail::pane {

std::string normalized_subject(std::string_view subject) {
  // A forward's subject is exactly the normalised subject behind its own prefix.
  constexpr std::string_view forward_prefix = "Fwd: ";
  return message::forward_subject(subject).substr(forward_prefix.size());
}

Conversation reader_conversation(const state::MessageStore& store, const message::MessageId& selected) {
  const message::MessageRecord* anchor = store.find(selected);
  if (anchor == nullptr) return {};
  const std::string topic = normalized_subject(anchor->subject);
  Conversation conversation;
  for (const message::MessageId& id : store.order()) {
    const message::MessageRecord* message = store.find(id);
    if (message->folder == anchor->folder && normalized_subject(message->subject) == topic) {
      conversation.push_back(message);
    }
  }
  std::ranges::stable_sort(conversation, std::ranges::less(), &message::MessageRecord::date);
  return conversation;
}

std::string conversation_summary(std::size_t count, message::FolderKind folder) {
  return state::messages_phrase(count) + " · " + std::string(message::display_name(folder));
}

}  // namespace mail::pane
