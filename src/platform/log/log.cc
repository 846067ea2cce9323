#include "platform/log/log.h"

#include <fmt/format.h>
#include <spdlog/sinks/stdout_color_sinks.h>
#include <spdlog/spdlog.h>

#include <algorithm>
#include <mutex>

namespace orvo::log {
namespace {

std::mutex capture_mutex;
Capture* active_capture = nullptr;

spdlog::level::level_enum to_spdlog(Level level) {
  switch (level) {
    case Level::Debug: return spdlog::level::debug;
    case Level::Info: return spdlog::level::info;
    case Level::Warn: return spdlog::level::warn;
    case Level::Error: return spdlog::level::err;
  }
  return spdlog::level::info;
}

// Diagnostics go to standard error so that a program's own output stays clean.
spdlog::logger& logger() {
  static const std::shared_ptr<spdlog::logger> instance = [] {
    auto created = spdlog::stderr_color_mt("orvo");
    created->set_pattern("%Y-%m-%dT%H:%M:%S.%e %^%l%$ %v");
    return created;
  }();
  return *instance;
}

}  // namespace

std::string format_event(std::string_view target, std::string_view message, const Fields& fields) {
  std::string line = fmt::format("{}: {}", target, message);
  for (const Field& field : fields) {
    fmt::format_to(std::back_inserter(line), " {}=\"{}\"", field.name, field.value);
  }
  return line;
}

void write(Level level, std::string_view target, std::string_view message, const Fields& fields) {
  {
    std::lock_guard lock(capture_mutex);
    if (active_capture != nullptr) {
      active_capture->events_.push_back({level, std::string(target), std::string(message), fields});
      return;
    }
  }
  logger().log(to_spdlog(level), format_event(target, message, fields));
}

Capture::Capture() {
  std::lock_guard lock(capture_mutex);
  previous_ = active_capture;
  active_capture = this;
}

Capture::~Capture() {
  std::lock_guard lock(capture_mutex);
  active_capture = previous_;
}

bool Capture::contains(Level level, std::string_view message) const {
  return std::ranges::any_of(events_, [&](const Event& event) {
    return event.level == level && event.message == message;
  });
}

}  // namespace orvo::log
