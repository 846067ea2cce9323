#pragma once

#include <expected>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "integration/loopback_server.h"

namespace orvo::test_servers {

// A token-introspection endpoint on 127.0.0.1 for Dovecot's oauth2 passdb: it takes
// a form post carrying `token` and answers whether the token is active and whose it
// is. Tests grant and revoke tokens while it runs.
class TokenIntrospectionServer {
 public:
  static std::expected<std::unique_ptr<TokenIntrospectionServer>, std::string> start();

  [[nodiscard]] std::string url() const;

  void grant(const std::string& token, const std::string& user);
  void revoke(const std::string& token);

 private:
  TokenIntrospectionServer() = default;
  void answer(int connection) const;
  [[nodiscard]] std::string verdict(const std::string& token) const;

  mutable std::mutex mutex_;
  std::map<std::string, std::string> users_by_token_;
  std::unique_ptr<LoopbackServer> server_;
};

}  // namespace orvo::test_servers
