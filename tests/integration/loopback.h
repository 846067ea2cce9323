#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <vector>

#include "integration/child_process.h"
#include "integration/unique_fd.h"

namespace orvo::test_servers {

// A TCP socket bound to 127.0.0.1 on a port the system picked.
struct BoundSocket {
  UniqueFd fd;
  std::uint16_t port = 0;
};

// Bound but not listening: connecting to the port is refused, and while the socket
// lives no other server can take the port.
std::expected<BoundSocket, std::string> bind_loopback();

// Listening: the kernel completes connections even before anyone accepts them.
std::expected<BoundSocket, std::string> listen_on_loopback();

// Ports on 127.0.0.1 that were free a moment ago, all different, for servers that
// must be told their port.
std::expected<std::vector<std::uint16_t>, std::string> free_loopback_ports(std::size_t count);

// Whether something accepts TCP connections on 127.0.0.1:`port` right now.
bool accepts_connections(std::uint16_t port);

// Waits until `server` accepts connections on `port`. Fails when it ends first or
// has not begun listening within 10 s; the error carries what it wrote to stderr.
std::expected<void, std::string> wait_until_listening(ChildProcess& server, std::uint16_t port);

}  // namespace orvo::test_servers
