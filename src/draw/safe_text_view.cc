#include "draw/safe_text_view.h"

#include <algorithm>

#include "draw/split_lines.h"
#include "draw/wrap_text.h"

namespace mail::draw {
namespace {

using orvo::ui::Canvas;
using orvo::ui::Rect;
using orvo::ui::TextStyle;

constexpr double card_radius = 6;
constexpr double padding = 18;
constexpr double narrowest_wrap = 80;
constexpr double shortest_line = 19;
constexpr double line_gap = 5;
constexpr double empty_line = 9;
constexpr double bottom_margin = 24;
const TextStyle body_style{13.5};

// The rows of one wrapped line, one under the other from `origin`; false once a row
// would start below `last_top`, where nothing more is drawn.
bool draw_rows(Canvas& canvas, const std::vector<std::string>& rows, orvo::ui::Point origin, double row_height,
               double last_top, orvo::ui::Color color) {
  for (const std::string& row : rows) {
    if (origin.y > last_top) return false;
    canvas.draw_text(row, origin, body_style, color);
    origin.y += row_height;
  }
  return true;
}

}  // namespace

void draw_safe_text(Canvas& canvas, const orvo::ui::Theme& theme, const Rect& region, std::string_view text_body) {
  canvas.fill_rounded_rect(region, card_radius, theme.colors.raised);
  // Below the narrowest wrap the text would run past a small card onto its neighbours.
  orvo::ui::CanvasState state(canvas);
  canvas.clip(region);

  const double wrap_width = std::max(region.width() - 2 * padding, narrowest_wrap);
  const double row_height = canvas.text().line_height(body_style);
  const double last_top = region.y1 - bottom_margin;
  double top = region.y0 + padding;
  for (std::string_view line : split_lines(text_body)) {
    if (line.empty()) {
      top += empty_line;
      continue;
    }
    const std::vector<std::string> rows = wrap_text(canvas.text(), line, body_style, wrap_width);
    if (!draw_rows(canvas, rows, {region.x0 + padding, top}, row_height, last_top, theme.colors.text)) return;
    top += std::max(static_cast<double>(rows.size()) * row_height, shortest_line) + line_gap;
  }
}

}  // namespace mail::draw
