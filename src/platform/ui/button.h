#pragma once

#include "platform/ui/button_face.h"

namespace orvo::ui {

// A face at its place in the window, for owners that hit-test their own controls.
struct Button {
  ButtonFace face;
  Rect rect;

  [[nodiscard]] bool contains(Point point) const { return rect.contains(point); }
  // Hovered while `pointer` is over it.
  void paint(Canvas& canvas, const Theme& theme, Point pointer, bool pressed = false) const {
    face.paint(canvas, rect, theme, {.hovered = contains(pointer), .pressed = pressed});
  }
};

}  // namespace orvo::ui
