#include "app/status_expiry.h"

namespace mail::app {

bool StatusExpiry::expired(const std::optional<std::string>& status, orvo::ui::Instant now) {
  const std::string text = status.value_or("");
  if (text != remembered_) {
    remembered_ = text;
    deadline_ = text.empty() ? std::nullopt : std::optional(now + shown_for);
  }
  if (!deadline_ || now < *deadline_) return false;
  remembered_.clear();
  deadline_.reset();
  return true;
}

}  // namespace mail::app
