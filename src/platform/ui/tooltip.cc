#include "platform/ui/tooltip.h"

#include <algorithm>

namespace orvo::ui {
namespace {

const TextStyle text_style{12, FontWeight::Regular};
constexpr double widest = 360;
constexpr double window_margin = 6;
constexpr double padding_x = 8;
constexpr double padding_y = 5;
constexpr double below_pointer = 20;  // clears the pointer's arrow
constexpr double above_pointer = 8;
constexpr double right_of_pointer = 4;
constexpr double radius = 6;

// `start` moved so that [start, start + length] stays within [low, high]; the low
// edge wins when it cannot fit.
double kept_inside(double start, double length, double low, double high) {
  return std::max(low, std::min(start, high - length));
}

}  // namespace

void paint_tooltip(Canvas& canvas, const Rect& window, Point anchor, std::string_view text, const Theme& theme) {
  const TextRenderer& measure = canvas.text();
  const double text_room = std::max(0.0, std::min(widest, window.width() - 2 * window_margin) - 2 * padding_x);
  const double width = std::min(measure.width(text, text_style), text_room) + 2 * padding_x;
  const double height = measure.line_height(text_style) + 2 * padding_y;

  const bool room_below = anchor.y + below_pointer + height <= window.y1 - window_margin;
  const double y = room_below ? anchor.y + below_pointer : anchor.y - above_pointer - height;
  const double x0 =
      kept_inside(anchor.x + right_of_pointer, width, window.x0 + window_margin, window.x1 - window_margin);
  const double y0 = kept_inside(y, height, window.y0 + window_margin, window.y1 - window_margin);
  const Rect box{x0, y0, x0 + width, y0 + height};

  canvas.shadow(box, radius, 8, theme.colors.shadow);
  canvas.fill_rounded_rect(box, radius, theme.colors.raised);
  canvas.stroke_rounded_rect(box, radius, theme.colors.border, 1);
  canvas.draw_text(text, {box.x0 + padding_x, box.y0 + padding_y}, text_style, theme.colors.text, text_room);
}

}  // namespace orvo::ui
