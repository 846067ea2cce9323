#include "integration/openssl_server.h"

#include "integration/loopback.h"

namespace orvo::test_servers {

std::expected<OpenSslServer, std::string> OpenSslServer::start(const CertificateFiles& identity) {
  const auto ports = free_loopback_ports(1);
  if (!ports) return std::unexpected(ports.error());
  const std::uint16_t port = ports->front();
  auto process =
      ChildProcess::start({"openssl", "s_server", "-quiet", "-rev", "-accept", "127.0.0.1:" + std::to_string(port),
                           "-cert", identity.certificate.string(), "-key", identity.key.string()});
  if (!process) return std::unexpected(process.error());
  if (auto listening = wait_until_listening(*process, port); !listening) {
    return std::unexpected("openssl s_server: " + listening.error());
  }
  return OpenSslServer(std::move(*process), port);
}

}  // namespace orvo::test_servers
