#include "integration/misbehaving_servers.h"

#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace orvo::test_servers {

std::expected<BoundSocket, std::string> reserve_closed_port() { return bind_loopback(); }

std::expected<BoundSocket, std::string> start_silent_server() { return listen_on_loopback(); }

std::expected<std::unique_ptr<LoopbackServer>, std::string> start_closing_server(std::string bytes) {
  return LoopbackServer::start([bytes = std::move(bytes)](int connection) {
    [[maybe_unused]] const auto sent = ::send(connection, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    // Close only the sending side, then take what the client has sent meanwhile:
    // closing with unread input would reset the connection, and the client could lose
    // the bytes before reading them. A client that keeps its end open is left after 200 ms.
    ::shutdown(connection, SHUT_WR);
    const timeval drain_limit{.tv_sec = 0, .tv_usec = 200'000};
    ::setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, &drain_limit, sizeof drain_limit);
    char discard[4096];
    while (::recv(connection, discard, sizeof discard, 0) > 0) {
    }
  });
}

}  // namespace orvo::test_servers
