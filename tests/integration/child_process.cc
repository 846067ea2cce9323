#include "integration/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>
#include <utility>

namespace orvo::test_servers {
namespace {

std::string system_error(std::string_view what) { return std::string(what) + ": " + std::strerror(errno); }

// The child's side of fork(). The test process has other threads, so only
// async-signal-safe calls may happen here before exec.
[[noreturn]] void become(char* const* argv, const char* folder, pid_t parent, int input, int output, int errors) {
  ::prctl(PR_SET_PDEATHSIG, SIGTERM);
  if (::getppid() != parent) ::_exit(127);
  if (::dup2(input, 0) < 0 || ::dup2(output, 1) < 0 || ::dup2(errors, 2) < 0) ::_exit(127);
  ::close_range(3, ~0U, 0);
  if (folder[0] != '\0' && ::chdir(folder) != 0) ::_exit(127);
  ::execvp(argv[0], argv);
  constexpr char message[] = "could not execute the program\n";
  [[maybe_unused]] const auto written = ::write(2, message, sizeof message - 1);
  ::_exit(127);
}

std::string read_all(const UniqueFd& file) {
  std::string content;
  char chunk[4096];
  ssize_t got;
  while ((got = ::pread(file.get(), chunk, sizeof chunk, static_cast<off_t>(content.size()))) > 0) {
    content.append(chunk, static_cast<std::size_t>(got));
  }
  return content;
}

std::string describe_status(int status) {
  if (WIFEXITED(status)) return "exit status " + std::to_string(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) return "signal " + std::to_string(WTERMSIG(status));
  return "wait status " + std::to_string(status);
}

}  // namespace

std::expected<ChildProcess, std::string> ChildProcess::start(const std::vector<std::string>& argv,
                                                             const std::filesystem::path& folder) {
  std::vector<char*> arguments;
  for (const std::string& argument : argv) arguments.push_back(const_cast<char*>(argument.c_str()));
  arguments.push_back(nullptr);
  const std::string folder_text = folder.string();

  const UniqueFd input(::open("/dev/null", O_RDONLY | O_CLOEXEC));
  UniqueFd output(::memfd_create("stdout", MFD_CLOEXEC));
  UniqueFd errors(::memfd_create("stderr", MFD_CLOEXEC));
  if (!input || !output || !errors) return std::unexpected(system_error("could not prepare to start " + argv[0]));

  const pid_t parent = ::getpid();
  const pid_t pid = ::fork();
  if (pid < 0) return std::unexpected(system_error("could not start " + argv[0]));
  if (pid == 0) become(arguments.data(), folder_text.c_str(), parent, input.get(), output.get(), errors.get());
  return ChildProcess(pid, std::move(output), std::move(errors));
}

ChildProcess::ChildProcess(pid_t pid, UniqueFd output, UniqueFd errors)
    : pid_(pid), output_(std::move(output)), errors_(std::move(errors)) {}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)),
      status_(other.status_),
      output_(std::move(other.output_)),
      errors_(std::move(other.errors_)) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    stop();
    pid_ = std::exchange(other.pid_, -1);
    status_ = other.status_;
    output_ = std::move(other.output_);
    errors_ = std::move(other.errors_);
  }
  return *this;
}

ChildProcess::~ChildProcess() { stop(); }

bool ChildProcess::running() {
  if (pid_ < 0 || status_) return false;
  int status = 0;
  if (::waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
  return !status_;
}

std::expected<int, std::string> ChildProcess::wait(std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (running()) {
    if (std::chrono::steady_clock::now() >= deadline) {
      return std::unexpected("did not end within " + std::to_string(limit.count()) + " ms");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (!status_) return std::unexpected("was never started");
  return *status_;
}

void ChildProcess::stop(std::chrono::milliseconds grace) {
  if (!running()) return;
  ::kill(pid_, SIGTERM);
  if (wait(grace)) return;
  ::kill(pid_, SIGKILL);
  int status = 0;
  ::waitpid(pid_, &status, 0);
  status_ = status;
}

std::string ChildProcess::output() const { return read_all(output_); }

std::string ChildProcess::errors() const { return read_all(errors_); }

std::expected<std::string, std::string> run_command(const std::vector<std::string>& argv,
                                                    const std::filesystem::path& folder) {
  auto child = ChildProcess::start(argv, folder);
  if (!child) return std::unexpected(child.error());
  const auto status = child->wait(std::chrono::seconds(30));
  if (!status) return std::unexpected(argv[0] + " " + status.error());
  if (*status != 0) {
    return std::unexpected(argv[0] + " failed with " + describe_status(*status) + ": " + child->errors());
  }
  return child->output();
}

}  // namespace orvo::test_servers
