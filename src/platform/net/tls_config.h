#pragma once

#include <expected>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace orvo::net {

// Whom the program's TLS clients trust: the system's public roots, TLS 1.2 or newer,
// and always a check of the server's certificate chain and of its name. Copies share
// one configuration.
class TlsConfig {
 public:
  static std::expected<TlsConfig, std::string> create();

  // The system's roots plus the CA certificates in the PEM file `ca_pem`: how a test
  // trusts the private CA of its local servers without loosening any check.
  static std::expected<TlsConfig, std::string> with_extra_trust_anchor(const std::filesystem::path& ca_pem);

 private:
  friend class Connection;
  struct Impl;

  explicit TlsConfig(std::shared_ptr<Impl> impl) : impl_(std::move(impl)) {}
  static std::expected<TlsConfig, std::string> build(const std::optional<std::filesystem::path>& extra_anchor);

  std::shared_ptr<Impl> impl_;
};

}  // namespace orvo::net
