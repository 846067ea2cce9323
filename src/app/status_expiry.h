#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "platform/ui/widget.h"

namespace mail::app {

// Keeps a status text on screen for 3.5 seconds after it last changed: a new text
// starts the time again.
class StatusExpiry {
 public:
  static constexpr std::chrono::milliseconds shown_for{3500};

  // Looks at the current status; true when it has been shown long enough and should
  // be cleared now (the text is then forgotten).
  bool expired(const std::optional<std::string>& status, orvo::ui::Instant now);
  [[nodiscard]] std::optional<orvo::ui::Instant> deadline() const { return deadline_; }

 private:
  std::string remembered_;
  std::optional<orvo::ui::Instant> deadline_;
};

}  // namespace mail::app
