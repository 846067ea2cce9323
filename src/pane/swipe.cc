#include "pane/swipe.h"

#include <cmath>

namespace mail::pane {

void Swipe::press(const message::MessageId& id, orvo::ui::Point at) { press_ = Press{.id = id, .origin = at}; }

bool Swipe::move(orvo::ui::Point to) {
  if (!press_) return false;
  press_->offset = to.x - press_->origin.x;
  press_->swiping = press_->swiping || std::abs(press_->offset) > threshold;
  return true;
}

std::optional<SwipeRelease> Swipe::release(orvo::ui::Point at) {
  if (!move(at)) return std::nullopt;
  const Press press = *press_;
  press_.reset();
  if (!press.swiping) return SwipeRelease{press.id, SwipeEnd::Click};
  if (press.offset <= -decision) return SwipeRelease{press.id, SwipeEnd::Archive};
  if (press.offset >= decision) return SwipeRelease{press.id, SwipeEnd::Delete};
  return SwipeRelease{press.id, SwipeEnd::Cancel};
}

std::optional<double> Swipe::drag_of(const message::MessageId& id) const {
  if (!press_ || !press_->swiping || press_->id != id) return std::nullopt;
  return press_->offset;
}

}  // namespace mail::pane
