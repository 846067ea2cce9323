#pragma once

#include <expected>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "integration/loopback_server.h"

namespace orvo::test_servers {

// An OAuth token endpoint on 127.0.0.1 over plain HTTP: it answers every form post with
// the same JSON body and keeps the forms it was sent.
class TokenEndpointServer {
 public:
  static std::expected<std::unique_ptr<TokenEndpointServer>, std::string> start(std::string answer);

  [[nodiscard]] std::string url() const;

  // The bodies of the posts received so far, as sent.
  [[nodiscard]] std::vector<std::string> forms() const;

 private:
  explicit TokenEndpointServer(std::string answer) : answer_(std::move(answer)) {}
  void serve(int connection);

  const std::string answer_;
  mutable std::mutex mutex_;
  std::vector<std::string> forms_;
  std::unique_ptr<LoopbackServer> server_;  // last, so that it stops before the rest goes
};

}  // namespace orvo::test_servers
