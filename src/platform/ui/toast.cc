#include "platform/ui/toast.h"

#include <algorithm>

namespace orvo::ui::toast {
namespace {

constexpr double height = 40;
constexpr double bottom_margin = 24;
constexpr double side_margin = 16;
constexpr double padding = 18;
constexpr double dot_radius = 4;
const TextStyle text_style{13, FontWeight::Medium};

}  // namespace

void paint_transient(Canvas& canvas, const Rect& window, std::string_view text, int tone, const Theme& theme) {
  const ToastTone colors = theme.toast_tone(tone);
  const double widest = std::min(560.0, window.width() - 2 * side_margin);
  const double text_room = widest - 2 * padding - 3 * dot_radius;
  const double text_width = std::min(canvas.text().width(text, text_style), text_room);
  const double width = text_width + 2 * padding + 3 * dot_radius;
  const double x0 = window.center().x - width / 2;
  const Rect box{x0, window.y1 - bottom_margin - height, x0 + width, window.y1 - bottom_margin};

  canvas.shadow(box, height / 2, 16, theme.colors.shadow);
  canvas.fill_rounded_rect(box, height / 2, colors.background);
  canvas.fill_circle({box.x0 + padding, box.center().y}, dot_radius, colors.accent);
  const double text_top = box.y0 + (height - canvas.text().line_height(text_style)) / 2;
  canvas.draw_text(text, {box.x0 + padding + 3 * dot_radius, text_top}, text_style, colors.text, text_room);
}

}  // namespace orvo::ui::toast
