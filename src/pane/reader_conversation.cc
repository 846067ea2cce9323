#include "pane/reader_conversation.h"

#include <algorithm>

#include "message/subject.h"
#include "state/message_commands.h"

namespace mail::pane {

Conversation reader_conversation(const state::MessageStore& store, const message::MessageId& selected) {
  const message::MessageRecord* anchor = store.find(selected);
  if (anchor == nullptr) return {};
  const std::string_view topic = message::base_subject(anchor->subject);
  Conversation conversation;
  for (const message::MessageRecord* message : store.folder_records(anchor->folder)) {
    if (message->folder == anchor->folder && message::base_subject(message->subject) == topic) {
      conversation.push_back(message);
    }
  }
  std::ranges::stable_sort(conversation, std::ranges::less(), &message::MessageRecord::date);
  return conversation;
}

const Conversation& ConversationCache::get(const state::MessageStore& store, const message::MessageId& selected) {
  if (revision_ != store.revision() || selected_ != selected) {
    conversation_ = reader_conversation(store, selected);
    revision_ = store.revision();
    selected_ = selected;
  }
  return conversation_;
}

std::string conversation_summary(std::size_t count, message::FolderKind folder) {
  return state::messages_phrase(count) + " · " + std::string(message::display_name(folder));
}

}  // namespace mail::pane
