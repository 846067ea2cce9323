#include "integration/loopback_server.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orvo::test_servers {

std::expected<std::unique_ptr<LoopbackServer>, std::string> LoopbackServer::start(Serve serve) {
  auto listener = listen_on_loopback();
  if (!listener) return std::unexpected(listener.error());
  int wake[2];
  if (::pipe2(wake, O_CLOEXEC) != 0) {
    return std::unexpected(std::string("could not create a pipe: ") + std::strerror(errno));
  }
  return std::unique_ptr<LoopbackServer>(
      new LoopbackServer(std::move(*listener), UniqueFd(wake[0]), UniqueFd(wake[1]), std::move(serve)));
}

LoopbackServer::LoopbackServer(BoundSocket listener, UniqueFd wake_reader, UniqueFd wake_writer, Serve serve)
    : listener_(std::move(listener)),
      wake_reader_(std::move(wake_reader)),
      wake_writer_(std::move(wake_writer)),
      serve_(std::move(serve)),
      thread_([this] { run(); }) {}

LoopbackServer::~LoopbackServer() {
  const char stop = 0;
  [[maybe_unused]] const auto written = ::write(wake_writer_.get(), &stop, 1);
  thread_.join();
}

void LoopbackServer::run() {
  pollfd watched[2] = {{.fd = listener_.fd.get(), .events = POLLIN}, {.fd = wake_reader_.get(), .events = POLLIN}};
  while (true) {
    if (::poll(watched, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (watched[1].revents != 0) return;
    if (watched[0].revents != 0) serve_one();
  }
}

void LoopbackServer::serve_one() {
  const UniqueFd connection(::accept4(listener_.fd.get(), nullptr, nullptr, SOCK_CLOEXEC));
  if (!connection) return;
  const timeval limit{.tv_sec = 2, .tv_usec = 0};
  ::setsockopt(connection.get(), SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
  ::setsockopt(connection.get(), SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
  serve_(connection.get());
}

}  // namespace orvo::test_servers
