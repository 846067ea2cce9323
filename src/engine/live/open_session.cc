#include "engine/live/open_session.h"

#include "engine/connection_wording.h"
#include "message/ascii.h"
#include "platform/net/server_name.h"

namespace mail::engine::live {
namespace {

constexpr std::uint16_t imaps_port = 993;

}  // namespace

std::expected<ImapSession, std::string> open_session(const ServerAccess& access, const AccountConfig& account,
                                                     const Credentials& credentials) {
  const std::string_view host = message::trim_blanks(account.imap_host);
  if (host.empty()) return std::unexpected("no IMAP host");
  // Checked before connecting so that the user hears what is wrong with the name,
  // not a connection failure.
  if (auto valid = orvo::net::check_server_name(host); !valid) {
    return std::unexpected("invalid IMAP host name: " + valid.error());
  }
  const std::uint16_t port = account.imap_port == 0 ? imaps_port : account.imap_port;
  // Implicit TLS whatever the account's TLS switch says: mail never crosses the
  // network in the clear, and STARTTLS could be stripped on the way.
  auto connection = orvo::net::Connection::connect_tls(access.runtime, access.tls, host, port, access.timeouts);
  if (!connection) return std::unexpected(connection_problem_wording(connection.error()));
  ImapSession session(std::move(*connection), access.observer);
  const auto authenticated = session.read_greeting();
  if (!authenticated) return std::unexpected(authenticated.error());
  if (!*authenticated) {
    if (auto logged_in = session.log_in(credentials); !logged_in) return std::unexpected(logged_in.error());
  }
  return session;
}

void close_session(ImapSession& session) {
  [[maybe_unused]] const auto ignored = session.send(session.commands().logout());
}

}  // namespace mail::engine::live
