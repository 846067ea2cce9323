#include "state/message_commands.h"

namespace mail::state {
namespace {

void set_read(MailState& state, const MessageId& id, bool read) {
  state.apply({.kind = LocalChange::Kind::SetRead, .ids = {id}, .value = read});
}

// After a message leaves the list the first row is selected; on a narrow window
// whose reader showed that message, the list comes back.
void move_away(MailState& state, const MessageId& id, LocalChange change) {
  const bool was_selected = state.selected == id;
  change.ids = {id};
  state.apply(change);
  state.repair_selection();
  if (was_selected && state.layout.compact && state.layout.reader_shown) state.queue(effect::ShowList{});
}

LocalChange move_to(FolderKind folder) { return {.kind = LocalChange::Kind::Move, .destination = folder}; }

}  // namespace

bool run_message_command(MailState& state, MessageCommand command, const MessageId& id) {
  const MessageRecord* message = state.store.find(id);
  if (message == nullptr) return false;
  switch (command) {
    case MessageCommand::Reply: state.queue(effect::Reply{id}); break;
    case MessageCommand::ReplyAll: state.queue(effect::ReplyAll{id}); break;
    case MessageCommand::Forward: state.queue(effect::Forward{id}); break;
    case MessageCommand::ToggleRead: set_read(state, id, !message->read); break;
    case MessageCommand::ToggleStar:
      state.apply({.kind = LocalChange::Kind::SetStarred, .ids = {id}, .value = !message->starred});
      break;
    case MessageCommand::Archive: move_away(state, id, move_to(FolderKind::Archive)); break;
    case MessageCommand::Delete:
      move_away(state, id,
                message->folder == FolderKind::Trash ? LocalChange{.kind = LocalChange::Kind::Purge}
                                                     : move_to(FolderKind::Trash));
      break;
    case MessageCommand::MoveToInbox: move_away(state, id, move_to(FolderKind::Inbox)); break;
    case MessageCommand::MarkJunk: move_away(state, id, move_to(FolderKind::Junk)); break;
  }
  return true;
}

std::string messages_phrase(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " message" : " messages");
}

}  // namespace mail::state
