#pragma once

#include <expected>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/account_config.h"
#include "engine/imap/command.h"
#include "engine/imap/command_writer.h"
#include "engine/imap/response.h"
#include "engine/imap/response_parser.h"
#include "engine/live/credentials.h"
#include "platform/net/connection.h"

namespace mail::engine::live {

// Sees each command of an operation as it is sent, without its tag and line end. The
// login is not shown: it carries the password.
using CommandObserver = std::function<void(std::string_view command)>;

// Sessions are made only by open_session() (open_session.h).
struct ServerAccess;

// A command's answer: the untagged responses that came with it, then its completion.
struct Completion {
  std::vector<imap::Response> untagged;
  imap::StatusResponse status;
};

// One authenticated IMAP connection, for one operation. Each command waits for its
// completion before the next is written: nothing is pipelined, so a server that closes
// early cannot cut off the tail of an answer still wanted.
class ImapSession {
 public:
  imap::CommandWriter& commands() { return writer_; }

  // The command's answer whatever its condition; an error when none came, or when the
  // command could not be written.
  std::expected<Completion, std::string> send(const std::expected<imap::Command, std::string>& command);

  // send(), with a NO or BAD completion turned into an error carrying the server's text.
  std::expected<std::vector<imap::Response>, std::string> run(const std::expected<imap::Command, std::string>& command);

 private:
  // Answers a continuation request that arrives once the whole command has been sent.
  using Continue = std::function<std::expected<std::string, std::string>(const imap::ContinuationRequest&)>;

  ImapSession(orvo::net::Connection connection, CommandObserver observer);

  // Whether the greeting says the connection is authenticated already (PREAUTH).
  std::expected<bool, std::string> read_greeting();
  std::expected<void, std::string> log_in(const Credentials& credentials);
  std::expected<Completion, std::string> authenticate_xoauth2(std::string_view user, std::string_view access_token);

  std::expected<Completion, std::string> exchange(const std::expected<imap::Command, std::string>& command,
                                                  const Continue& answer);
  std::expected<imap::Response, std::string> next_response();
  std::expected<void, std::string> write(std::string_view bytes);

  friend std::expected<ImapSession, std::string> open_session(const ServerAccess& access, const AccountConfig& account,
                                                              const Credentials& credentials);

  orvo::net::Connection connection_;
  imap::ResponseParser parser_;
  imap::CommandWriter writer_;
  CommandObserver observer_;
};

// The server's words after a completion's condition, response code included, as
// "[ALERT] Mailbox is full".
std::string server_text(const imap::StatusResponse& status);

}  // namespace mail::engine::live
