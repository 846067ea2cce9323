#pragma once

#include <expected>
#include <string>
#include <utility>

#include "engine/account_config.h"
#include "engine/live/credentials.h"
#include "engine/live/imap_session.h"
#include "platform/net/connection.h"

namespace mail::engine::live {

// What opening a session takes from the backend.
struct ServerAccess {
  orvo::net::Runtime& runtime;
  const orvo::net::TlsConfig& tls;
  // Bounds every wait for the server, from the name lookup to each read.
  orvo::net::Timeouts timeouts;
  CommandObserver observer;  // may be empty
};

// Connects with TLS whatever the account's TLS setting, reads the greeting and logs in.
// Connection, TLS and login failures come back in the connection-problem wording.
std::expected<ImapSession, std::string> open_session(const ServerAccess& access, const AccountConfig& account,
                                                     const Credentials& credentials);

// Ends a session whose operation succeeded. The operation's result stands whatever
// LOGOUT answers, so its errors are ignored.
void close_session(ImapSession& session);

// Runs `work` in a session of its own: LOGOUT follows success, while a failure only
// drops the connection.
template <class Work>
auto in_session(const ServerAccess& access, const AccountConfig& account, const Credentials& credentials, Work work)
    -> decltype(work(std::declval<ImapSession&>())) {
  auto session = open_session(access, account, credentials);
  if (!session) return std::unexpected(session.error());
  auto result = work(*session);
  if (result) close_session(*session);
  return result;
}

}  // namespace mail::engine::live
