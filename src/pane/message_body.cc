#include "pane/message_body.h"

#include <algorithm>
#include <string>
#include <vector>

#include "draw/split_lines.h"
#include "draw/wrap_text.h"

namespace mail::pane {
namespace {

constexpr double empty_line_advance = 8;
constexpr double shortest_line = 18;
constexpr double line_gap = 2;
const orvo::ui::TextStyle body_style{13};

orvo::ui::Color line_color(std::string_view line, const orvo::ui::Colors& colors) {
  return line.starts_with('>') ? colors.quote : colors.text;
}

}  // namespace

double draw_message_body(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, std::string_view body,
                         const ReaderColumn& column, double top, double bottom_limit) {
  const orvo::ui::TextRenderer& text = canvas.text();
  const double row_height = text.line_height(body_style);
  for (std::string_view line : draw::split_lines(body)) {
    if (top > bottom_limit) break;
    if (line.empty()) {
      top += empty_line_advance;
      continue;
    }
    const std::vector<std::string> rows = draw::wrap_text(text, line, body_style, column.width());
    const orvo::ui::Color color = line_color(line, theme.colors);
    for (std::size_t row = 0; row < rows.size(); ++row) {
      canvas.draw_text(rows[row], {column.left, top + static_cast<double>(row) * row_height}, body_style, color);
    }
    top += std::max(static_cast<double>(rows.size()) * row_height, shortest_line) + line_gap;
  }
  return top;
}

}  // namespace mail::pane
