#include "integration/loopback.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

namespace orvo::test_servers {
namespace {

sockaddr_in loopback_address(std::uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  return address;
}

std::string socket_error(std::string_view what) { return std::string(what) + ": " + std::strerror(errno); }

}  // namespace

std::expected<BoundSocket, std::string> bind_loopback() {
  UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!fd) return std::unexpected(socket_error("could not create a socket"));
  sockaddr_in address = loopback_address(0);
  socklen_t length = sizeof address;
  if (::bind(fd.get(), reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      ::getsockname(fd.get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    return std::unexpected(socket_error("could not bind to 127.0.0.1"));
  }
  return BoundSocket{.fd = std::move(fd), .port = ntohs(address.sin_port)};
}

std::expected<BoundSocket, std::string> listen_on_loopback() {
  auto socket = bind_loopback();
  if (socket && ::listen(socket->fd.get(), SOMAXCONN) != 0) {
    return std::unexpected(socket_error("could not listen on 127.0.0.1"));
  }
  return socket;
}

std::expected<std::vector<std::uint16_t>, std::string> free_loopback_ports(std::size_t count) {
  // Every socket stays bound until all ports are known, so none is handed out twice.
  std::vector<BoundSocket> sockets;
  std::vector<std::uint16_t> ports;
  while (ports.size() < count) {
    auto socket = bind_loopback();
    if (!socket) return std::unexpected(socket.error());
    ports.push_back(socket->port);
    sockets.push_back(std::move(*socket));
  }
  return ports;
}

bool accepts_connections(std::uint16_t port) {
  const UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  const sockaddr_in address = loopback_address(port);
  return fd && ::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

std::expected<void, std::string> wait_until_listening(ChildProcess& server, std::uint16_t port) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!accepts_connections(port)) {
    if (!server.running()) return std::unexpected("the server ended before it listened: " + server.errors());
    if (std::chrono::steady_clock::now() >= deadline) {
      return std::unexpected("the server did not listen on port " + std::to_string(port) + " within 10 s");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return {};
}

}  // namespace orvo::test_servers
