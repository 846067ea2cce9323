#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Structured logging: every event has a level, a target naming the component
// ("mail::app"), a message and named fields.
namespace orvo::log {

enum class Level : unsigned char { Debug, Info, Warn, Error };

struct Field {
  std::string name;
  std::string value;
};

using Fields = std::vector<Field>;

void write(Level level, std::string_view target, std::string_view message, const Fields& fields = {});

inline void debug(std::string_view target, std::string_view message, const Fields& fields = {}) {
  write(Level::Debug, target, message, fields);
}
inline void info(std::string_view target, std::string_view message, const Fields& fields = {}) {
  write(Level::Info, target, message, fields);
}
inline void warn(std::string_view target, std::string_view message, const Fields& fields = {}) {
  write(Level::Warn, target, message, fields);
}
inline void error(std::string_view target, std::string_view message, const Fields& fields = {}) {
  write(Level::Error, target, message, fields);
}

// Renders one event as a single line: `target: message key="value" …`.
std::string format_event(std::string_view target, std::string_view message, const Fields& fields);

// Tests capture events instead of printing them.
struct Event {
  Level level;
  std::string target;
  std::string message;
  Fields fields;
};

class Capture {
 public:
  Capture();
  ~Capture();
  Capture(const Capture&) = delete;
  Capture& operator=(const Capture&) = delete;

  [[nodiscard]] const std::vector<Event>& events() const { return events_; }
  [[nodiscard]] bool contains(Level level, std::string_view message) const;

 private:
  friend void write(Level, std::string_view, std::string_view, const Fields&);
  std::vector<Event> events_;
  Capture* previous_;
};

}  // namespace orvo::log
