#pragma once

#include "platform/ui/canvas.h"
#include "platform/ui/theme.h"

namespace orvo::ui {

// An on/off switch: a pill-shaped track whose knob sits at the right while on.
struct Toggle {
  static constexpr Size natural_size{36, 20};

  Rect rect;
  bool on = false;

  [[nodiscard]] bool contains(Point point) const { return rect.contains(point); }
  // Hovered while `pointer` is over it.
  void paint(Canvas& canvas, const Theme& theme, Point pointer) const;
};

}  // namespace orvo::ui
