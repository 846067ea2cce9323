#pragma once

#include <cstdint>
#include <expected>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "integration/child_process.h"
#include "integration/dovecot_config.h"
#include "integration/maildir.h"
#include "integration/test_certificates.h"
#include "platform/storage/temp_folder.h"

namespace orvo::test_servers {

struct MailUser {
  std::string name;
  std::string password;
};

struct DovecotOptions {
  std::vector<MailUser> users;
  // Where XOAUTH2 and OAUTHBEARER tokens are checked (TokenIntrospectionServer::url);
  // empty leaves OAuth logins off.
  std::string oauth_introspection_url;
};

struct StoredMessage {
  std::uint32_t uid = 0;
  std::vector<std::string> flags;
  std::string message_id;

  friend bool operator==(const StoredMessage&, const StoredMessage&) = default;
};

// A Dovecot IMAP server of its own on 127.0.0.1, with a configuration, users and
// mail under a temporary folder, serving the test CA's certificate for localhost:
// implicit TLS on one port and STARTTLS on another. It runs in the foreground and is
// stopped with SIGTERM when it goes. Starting it needs root.
class DovecotServer {
 public:
  static std::expected<DovecotServer, std::string> start(const TestCertificates& certificates,
                                                         const DovecotOptions& options);

  [[nodiscard]] std::uint16_t imaps_port() const { return setup_.imaps_port; }
  [[nodiscard]] std::uint16_t imap_port() const { return setup_.imap_port; }

  // Adds messages to `mailbox` ("INBOX", "Sent", …) of `user` behind Dovecot's back;
  // they get UIDs in the order given, after those already there.
  std::expected<void, std::string> seed(std::string_view user, std::string_view mailbox,
                                        std::span<const SeedMessage> messages);

  // What Dovecot holds in `mailbox`, in UID order. The flags leave out \Recent, which
  // only describes the reading session.
  [[nodiscard]] std::expected<std::vector<StoredMessage>, std::string> read_back(std::string_view user,
                                                                                 std::string_view mailbox) const;

  // Dovecot's own log, for a failing test to show.
  [[nodiscard]] std::string log() const;

 private:
  DovecotServer(storage::TempFolder folder, DovecotSetup setup, MailOwner owner, ChildProcess process);

  storage::TempFolder folder_;  // outlives process_: the server stops before its files go
  DovecotSetup setup_;
  MailOwner owner_;
  std::uint64_t next_sequence_ = 0;
  ChildProcess process_;
};

}  // namespace orvo::test_servers
