#include "platform/ui/modal_frame.h"

#include <algorithm>

namespace orvo::ui {
namespace {

// `rect` shrunk by `by` on every side, down to nothing at its centre.
Rect shrunk(const Rect& rect, double by) {
  const double dx = std::min(by, rect.width() / 2);
  const double dy = std::min(by, rect.height() / 2);
  return {rect.x0 + dx, rect.y0 + dy, rect.x1 - dx, rect.y1 - dy};
}

}  // namespace

ModalLayout ModalFrame::layout(Size window, double content_height) const {
  const Rect backdrop = Rect::from_origin_size({}, window);
  const Rect room = shrunk(backdrop, margin);
  const double width = std::min(max_width, room.width());
  const double height = std::min(std::max(0.0, content_height) + 2 * padding, room.height());
  const Point center = backdrop.center();
  const Rect card{center.x - width / 2, center.y - height / 2, center.x + width / 2, center.y + height / 2};
  return {.backdrop = backdrop, .card = card, .content = shrunk(card, padding)};
}

}  // namespace orvo::ui
