#pragma once

#include <expected>
#include <string>
#include <string_view>

#include "platform/net/connection.h"

namespace orvo::test_servers {

// Reads until `end` has arrived and returns everything that did.
inline std::expected<std::string, std::string> read_until(net::Connection& connection, std::string_view end) {
  std::string received;
  while (received.find(end) == std::string::npos) {
    auto more = connection.read_some();
    if (!more) return std::unexpected(more.error());
    received += *more;
  }
  return received;
}

}  // namespace orvo::test_servers
