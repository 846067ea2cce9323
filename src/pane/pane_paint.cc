#include "pane/pane_paint.h"

#include <algorithm>
#include <cmath>

namespace mail::pane {
namespace {

// How far a full lift moves a colour towards white.
constexpr double full_lift = 0.1;
constexpr double accent_bar_width = 3;

std::uint8_t towards_white(std::uint8_t channel, double amount) {
  return static_cast<std::uint8_t>(std::lround(channel + (255 - channel) * amount));
}

}  // namespace

orvo::ui::Color lifted(orvo::ui::Color base, double amount) {
  const double step = std::clamp(amount, 0.0, 1.0) * full_lift;
  return {towards_white(base.r, step), towards_white(base.g, step), towards_white(base.b, step), 255};
}

void paint_marked_row(orvo::ui::Canvas& canvas, const orvo::ui::Rect& rect, const orvo::ui::Theme& theme,
                      double bar_inset) {
  canvas.fill_rect(rect, theme.colors.selection);
  canvas.fill_rect({rect.x0, rect.y0 + bar_inset, rect.x0 + accent_bar_width, rect.y1 - bar_inset},
                   theme.colors.accent);
}

double text_top_centred(const orvo::ui::TextRenderer& text, const orvo::ui::TextStyle& style, double middle) {
  return middle - text.line_height(style) / 2;
}

orvo::ui::Rect square_around(orvo::ui::Point center, double side) {
  return {center.x - side / 2, center.y - side / 2, center.x + side / 2, center.y + side / 2};
}

}  // namespace mail::pane
