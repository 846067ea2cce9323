#pragma once

#include <expected>
#include <memory>
#include <string>

namespace orvo::net {

// The threads that drive every socket and TLS session of the program. Nobody calls
// into the network from these threads: a caller starts an operation here and waits
// for its end on its own thread (see Connection).
class Runtime {
 public:
  static std::expected<std::unique_ptr<Runtime>, std::string> create(int threads);

  // Stops and joins the threads. Every Connection made on this runtime must be gone
  // by then: nothing would be left to finish its operations.
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

 private:
  friend class Connection;
  struct Impl;

  Runtime();

  std::unique_ptr<Impl> impl_;
};

}  // namespace orvo::net
