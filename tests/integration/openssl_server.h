#pragma once

#include <cstdint>
#include <expected>
#include <string>

#include "integration/child_process.h"
#include "integration/test_certificates.h"

namespace orvo::test_servers {

// `openssl s_server` on 127.0.0.1 presenting `identity`. It answers every line it
// receives with the line reversed: enough to see bytes cross both ways.
class OpenSslServer {
 public:
  static std::expected<OpenSslServer, std::string> start(const CertificateFiles& identity);

  [[nodiscard]] std::uint16_t port() const { return port_; }

  // Ends the server at once: its connections drop without a TLS goodbye.
  void stop() { process_.stop(); }

 private:
  OpenSslServer(ChildProcess process, std::uint16_t port) : process_(std::move(process)), port_(port) {}

  ChildProcess process_;
  std::uint16_t port_;
};

}  // namespace orvo::test_servers
