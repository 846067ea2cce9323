#include "engine/live/message_mutations.h"

#include <cstdint>

#include "engine/live/folder_view.h"
#include "engine/live/locate_message.h"

namespace mail::engine::live {
namespace {

std::expected<std::uint32_t, std::string> select_and_locate(ImapSession& session,
                                                            const message::MessageRecord& record) {
  if (auto selected = session.run(session.commands().select(folder_view(record.folder).mailbox)); !selected) {
    return std::unexpected(selected.error());
  }
  return locate_message(session, record);
}

// For commands whose untagged answers, such as the FETCHes echoing new flags, say
// nothing the operation needs.
std::expected<void, std::string> run_discarding(ImapSession& session,
                                                const std::expected<imap::Command, std::string>& command) {
  if (auto answer = session.run(command); !answer) return std::unexpected(answer.error());
  return {};
}

}  // namespace

std::expected<void, std::string> set_flags(ImapSession& session, const message::MessageRecord& record) {
  const auto uid = select_and_locate(session, record);
  if (!uid) return std::unexpected(uid.error());
  if (auto seen = run_discarding(session, session.commands().uid_store(*uid, imap::MessageFlag::seen, record.read));
      !seen) {
    return seen;
  }
  return run_discarding(session, session.commands().uid_store(*uid, imap::MessageFlag::flagged, record.starred));
}

std::expected<void, std::string> move_message(ImapSession& session, const message::MessageRecord& record,
                                              message::FolderKind destination) {
  const auto uid = select_and_locate(session, record);
  if (!uid) return std::unexpected(uid.error());
  return run_discarding(session, session.commands().uid_move(*uid, folder_view(destination).mailbox));
}

std::expected<void, std::string> purge_message(ImapSession& session, const message::MessageRecord& record) {
  const auto uid = select_and_locate(session, record);
  if (!uid) return std::unexpected(uid.error());
  if (auto marked = run_discarding(session, session.commands().uid_mark_deleted(*uid)); !marked) return marked;
  const auto expunged = session.send(session.commands().uid_expunge(*uid));
  if (!expunged) return std::unexpected(expunged.error());
  if (expunged->status.condition != imap::Condition::ok) {
    return std::unexpected("server cannot safely expunge this message: " + server_text(expunged->status));
  }
  return {};
}

}  // namespace mail::engine::live
