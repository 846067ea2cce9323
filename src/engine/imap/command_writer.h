#pragma once

#include <cstdint>
#include <expected>
#include <span>
#include <string>
#include <string_view>

#include "engine/imap/command.h"

namespace mail::engine::imap {

enum class SearchKey { all, flagged };

enum class MessageFlag { seen, flagged };

// Writes the commands of one session, tagging them A1, A2, ... in the order they are
// written. Mailbox names are given as the server spells them (modified UTF-7); every
// string goes quoted, or as a literal when quotes cannot hold it. The functions taking
// text fail only for text that IMAP cannot carry, without using up a tag.
class CommandWriter {
 public:
  std::expected<Command, std::string> login(std::string_view user, std::string_view password);
  // The server answers with a continuation request, to be answered with xoauth2_response.
  Command authenticate_xoauth2();
  std::expected<Command, std::string> select(std::string_view mailbox);
  // LIST "" *: every mailbox of the account.
  Command list_all();
  Command uid_search(SearchKey key);
  // Finds a message by its Message-ID. The server matches the text as a substring of
  // the header, so it is sent exactly as given, quotes and backslashes escaped.
  std::expected<Command, std::string> uid_search_message_id(std::string_view message_id);
  // Whole messages with their UID, flags and internal date, without marking them read.
  // The UIDs are sent in the given order; there must be at least one.
  Command uid_fetch_messages(std::span<const std::uint32_t> uids);
  // "+FLAGS (\Seen)" to set, "-FLAGS (\Seen)" to clear.
  Command uid_store(std::uint32_t uid, MessageFlag flag, bool set);
  // "+FLAGS.SILENT (\Deleted)": ahead of uid_expunge, so no flags need echoing.
  Command uid_mark_deleted(std::uint32_t uid);
  std::expected<Command, std::string> uid_move(std::uint32_t uid, std::string_view mailbox);
  // Removes only this message, not every message another client marked \Deleted.
  Command uid_expunge(std::uint32_t uid);
  Command logout();

 private:
  std::string next_tag();

  std::uint32_t written_ = 0;
};

}  // namespace mail::engine::imap
