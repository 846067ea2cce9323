#pragma once

#include "platform/ui/geometry.h"

namespace mail::pane {

// Everything the reader writes keeps this far from the pane's left and right edges.
inline constexpr double reader_content_inset = 24;

// The band of the pane that text and cards may use, from `top` down.
struct ReaderColumn {
  double left = 0;
  double right = 0;
  double pane_width = 0;

  static ReaderColumn of(const orvo::ui::Rect& pane) {
    return {pane.x0 + reader_content_inset, pane.x1 - reader_content_inset, pane.width()};
  }
  [[nodiscard]] double width() const { return right - left; }
};

}  // namespace mail::pane
