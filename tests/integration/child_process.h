#pragma once

#include <sys/types.h>

#include <chrono>
#include <expected>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "integration/unique_fd.h"

namespace orvo::test_servers {

// A program a test starts: looked up in PATH, stdin empty, stdout and stderr kept in
// memory. It is ended (SIGTERM, then SIGKILL) when its owner goes, and by the kernel
// when the thread that started it dies first, so a crashing test leaves no server
// behind. Start it from the test's main thread for that reason.
class ChildProcess {
 public:
  static std::expected<ChildProcess, std::string> start(const std::vector<std::string>& argv,
                                                        const std::filesystem::path& folder = {});

  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&& other) noexcept;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();

  [[nodiscard]] bool running();

  // Waits up to `limit` for the program to end by itself and returns its wait status.
  std::expected<int, std::string> wait(std::chrono::milliseconds limit);

  // SIGTERM, then SIGKILL when it has not ended within `grace`.
  void stop(std::chrono::milliseconds grace = std::chrono::seconds(5));

  [[nodiscard]] std::string output() const;
  [[nodiscard]] std::string errors() const;

 private:
  ChildProcess(pid_t pid, UniqueFd output, UniqueFd errors);

  pid_t pid_ = -1;
  std::optional<int> status_;
  UniqueFd output_;
  UniqueFd errors_;
};

// Runs a program to its end (30 s at most) and returns what it wrote to stdout. A
// failure carries its exit status and what it wrote to stderr.
std::expected<std::string, std::string> run_command(const std::vector<std::string>& argv,
                                                    const std::filesystem::path& folder = {});

}  // namespace orvo::test_servers
