#pragma once

#include <cstdint>
#include <optional>

#include "message/message_id.h"
#include "platform/ui/geometry.h"

namespace mail::pane {

// What letting go of a pressed row does.
enum class SwipeEnd : std::uint8_t {
  Click,    // the pointer never left the press far enough to swipe
  Cancel,   // swiped, but not far enough to act
  Archive,  // swiped far enough to the left
  Delete,   // swiped far enough to the right
};

struct SwipeRelease {
  message::MessageId id;
  SwipeEnd end = SwipeEnd::Click;
};

// A press on a list row, which turns into a horizontal swipe once the pointer has
// moved far enough sideways; the row then follows the pointer.
class Swipe {
 public:
  // Beyond this distance from the press the row is swiped, not clicked.
  static constexpr double threshold = 6;
  // Let go this far (or further) from the press to act.
  static constexpr double decision = 72;

  void press(const message::MessageId& id, orvo::ui::Point at);
  // False when no press is recorded.
  bool move(orvo::ui::Point to);
  // Forgets the press; nothing when none was recorded.
  std::optional<SwipeRelease> release(orvo::ui::Point at);

  // How far the row is dragged, while it is being swiped.
  [[nodiscard]] std::optional<double> drag_of(const message::MessageId& id) const;

 private:
  struct Press {
    message::MessageId id;
    orvo::ui::Point origin;
    double offset = 0;
    bool swiping = false;
  };

  std::optional<Press> press_;
};

}  // namespace mail::pane
