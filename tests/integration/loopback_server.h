#pragma once

#include <cstdint>
#include <expected>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "integration/loopback.h"
#include "integration/unique_fd.h"

namespace orvo::test_servers {

// A TCP server on 127.0.0.1 whose own thread hands each connection, one at a time,
// to `serve`, then closes it. Sends and receives on a connection give up after 2 s,
// so a client that stalls cannot hold the server. Stops when it goes.
class LoopbackServer {
 public:
  using Serve = std::function<void(int connection)>;

  static std::expected<std::unique_ptr<LoopbackServer>, std::string> start(Serve serve);

  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;
  ~LoopbackServer();

  [[nodiscard]] std::uint16_t port() const { return listener_.port; }

 private:
  LoopbackServer(BoundSocket listener, UniqueFd wake_reader, UniqueFd wake_writer, Serve serve);
  void run();
  void serve_one();

  BoundSocket listener_;
  UniqueFd wake_reader_;
  UniqueFd wake_writer_;
  Serve serve_;
  std::jthread thread_;
};

}  // namespace orvo::test_servers
