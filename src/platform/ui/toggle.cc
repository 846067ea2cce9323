#include "platform/ui/toggle.h"

#include <algorithm>

namespace orvo::ui {
namespace {

constexpr double knob_inset = 3;
constexpr double hover_lift = 0.08;

}  // namespace

void Toggle::paint(Canvas& canvas, const Theme& theme, Point pointer) const {
  const double radius = rect.height() / 2;
  canvas.fill_rounded_rect(rect, radius, on ? theme.colors.accent : theme.colors.border);
  if (contains(pointer)) canvas.fill_rounded_rect(rect, radius, Color::rgb(0xffffff).with_alpha(hover_lift));
  const double knob = std::max(0.0, radius - knob_inset);
  const double x = on ? rect.x1 - radius : rect.x0 + radius;
  canvas.fill_circle({x, rect.center().y}, knob, on ? theme.colors.on_accent : theme.colors.text);
}

}  // namespace orvo::ui
