#include "engine/imap/command_writer.h"

#include "engine/imap/command_builder.h"

namespace mail::engine::imap {
namespace {

std::string_view search_criterion(SearchKey key) { return key == SearchKey::flagged ? "FLAGGED" : "ALL"; }

std::string_view flag_list(MessageFlag flag) { return flag == MessageFlag::seen ? "(\\Seen)" : "(\\Flagged)"; }

std::string sequence_set(std::span<const std::uint32_t> uids) {
  std::string set;
  for (const std::uint32_t uid : uids) set += (set.empty() ? "" : ",") + std::to_string(uid);
  return set;
}

}  // namespace

std::string CommandWriter::next_tag() { return "A" + std::to_string(++written_); }

std::expected<Command, std::string> CommandWriter::login(std::string_view user, std::string_view password) {
  if (auto sendable = check_sendable("the user name", user); !sendable) return std::unexpected(sendable.error());
  if (auto sendable = check_sendable("the password", password); !sendable) return std::unexpected(sendable.error());
  return CommandBuilder(next_tag(), "LOGIN").string(user).string(password).finish();
}

Command CommandWriter::authenticate_xoauth2() {
  return CommandBuilder(next_tag(), "AUTHENTICATE").raw("XOAUTH2").finish();
}

std::expected<Command, std::string> CommandWriter::select(std::string_view mailbox) {
  if (auto sendable = check_sendable("the mailbox name", mailbox); !sendable) return std::unexpected(sendable.error());
  return CommandBuilder(next_tag(), "SELECT").string(mailbox).finish();
}

Command CommandWriter::list_all() { return CommandBuilder(next_tag(), "LIST").string("").raw("*").finish(); }

Command CommandWriter::uid_search(SearchKey key) {
  return CommandBuilder(next_tag(), "UID SEARCH").raw(search_criterion(key)).finish();
}

std::expected<Command, std::string> CommandWriter::uid_search_message_id(std::string_view message_id) {
  if (auto sendable = check_sendable("the Message-ID", message_id); !sendable) {
    return std::unexpected(sendable.error());
  }
  return CommandBuilder(next_tag(), "UID SEARCH").raw("HEADER MESSAGE-ID").string(message_id).finish();
}

Command CommandWriter::uid_fetch_messages(std::span<const std::uint32_t> uids) {
  return CommandBuilder(next_tag(), "UID FETCH")
      .raw(sequence_set(uids))
      .raw("(UID FLAGS INTERNALDATE BODY.PEEK[])")
      .finish();
}

Command CommandWriter::uid_store(std::uint32_t uid, MessageFlag flag, bool set) {
  return CommandBuilder(next_tag(), "UID STORE")
      .raw(std::to_string(uid))
      .raw(set ? "+FLAGS" : "-FLAGS")
      .raw(flag_list(flag))
      .finish();
}

Command CommandWriter::uid_mark_deleted(std::uint32_t uid) {
  return CommandBuilder(next_tag(), "UID STORE").raw(std::to_string(uid)).raw("+FLAGS.SILENT (\\Deleted)").finish();
}

std::expected<Command, std::string> CommandWriter::uid_move(std::uint32_t uid, std::string_view mailbox) {
  if (auto sendable = check_sendable("the mailbox name", mailbox); !sendable) return std::unexpected(sendable.error());
  return CommandBuilder(next_tag(), "UID MOVE").raw(std::to_string(uid)).string(mailbox).finish();
}

Command CommandWriter::uid_expunge(std::uint32_t uid) {
  return CommandBuilder(next_tag(), "UID EXPUNGE").raw(std::to_string(uid)).finish();
}

Command CommandWriter::logout() { return CommandBuilder(next_tag(), "LOGOUT").finish(); }

}  // namespace mail::engine::imap
