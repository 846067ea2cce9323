#pragma once

#include <expected>
#include <memory>
#include <string>

#include "integration/loopback.h"
#include "integration/loopback_server.h"

namespace orvo::test_servers {

// A port on 127.0.0.1 where connecting is refused, reserved while the socket lives.
std::expected<BoundSocket, std::string> reserve_closed_port();

// Completes every connection and then never says or reads a thing.
std::expected<BoundSocket, std::string> start_silent_server();

// Sends `bytes` on every connection and closes it: a server that goes away in the
// middle of what it was saying.
std::expected<std::unique_ptr<LoopbackServer>, std::string> start_closing_server(std::string bytes);

}  // namespace orvo::test_servers
