#pragma once

#include <openssl/ssl.h>

#include <cstdint>
#include <expected>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "integration/loopback_server.h"
#include "integration/test_certificates.h"

namespace orvo::test_servers {

// How the server answers a command that starts with `command` after its tag.
struct ScriptedReply {
  std::string command;   // e.g. "UID FETCH"
  std::string reply;     // sent as it is, with "{tag}" standing for the command's tag; empty for silence
  bool hang_up = false;  // close the connection right after the reply, without a TLS goodbye
};

// An IMAP server on 127.0.0.1 that answers from a script, over implicit TLS with a
// certificate of the test CA: for what a real server does not do on demand, such as
// lacking an extension, going away in the middle of an answer or falling silent. A
// command the script does not know gets BAD. Client literals are not understood.
class ScriptedImapServer {
 public:
  static std::expected<std::unique_ptr<ScriptedImapServer>, std::string> start(const CertificateFiles& identity,
                                                                               std::vector<ScriptedReply> script);

  [[nodiscard]] std::uint16_t port() const { return server_->port(); }

  // Every command received so far, without its tag.
  [[nodiscard]] std::vector<std::string> received() const;

 private:
  struct ContextFree {
    void operator()(SSL_CTX* context) const { ::SSL_CTX_free(context); }
  };

  ScriptedImapServer(std::unique_ptr<SSL_CTX, ContextFree> context, std::vector<ScriptedReply> script);
  void serve(int connection);

  std::unique_ptr<SSL_CTX, ContextFree> context_;
  const std::vector<ScriptedReply> script_;
  mutable std::mutex mutex_;
  std::vector<std::string> received_;
  std::unique_ptr<LoopbackServer> server_;  // last, so that it stops before the rest goes
};

}  // namespace orvo::test_servers
