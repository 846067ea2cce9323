#include "platform/ui/toggle_group.h"

#include <algorithm>

namespace orvo::ui {
namespace {

const TextStyle label_style{12.5, FontWeight::Medium};
constexpr double segment_inset = 2;
constexpr double label_padding = 8;

}  // namespace

Rect ToggleGroup::segment_rect(std::size_t index) const {
  const double width = rect.width() / static_cast<double>(std::max<std::size_t>(labels.size(), 1));
  const double x0 = rect.x0 + width * static_cast<double>(index);
  return {x0, rect.y0, x0 + width, rect.y1};
}

std::optional<std::size_t> ToggleGroup::segment_at(Point point) const {
  for (std::size_t index = 0; index < labels.size(); ++index) {
    if (segment_rect(index).contains(point)) return index;
  }
  return std::nullopt;
}

void ToggleGroup::paint(Canvas& canvas, const Theme& theme, Point pointer) const {
  const double radius = rect.height() / 2;
  canvas.fill_rounded_rect(rect, radius, theme.colors.raised);
  canvas.stroke_rounded_rect(rect, radius, theme.colors.border, 1);
  const std::optional<std::size_t> hovered = segment_at(pointer);
  const TextRenderer& text = canvas.text();
  for (std::size_t index = 0; index < labels.size(); ++index) {
    const Rect segment = segment_rect(index).inset(segment_inset);
    const bool chosen = index == selected;
    if (chosen || hovered == index) {
      canvas.fill_rounded_rect(segment, segment.height() / 2, chosen ? theme.colors.accent_soft : theme.colors.hover);
    }
    const double room = std::max(0.0, segment.width() - 2 * label_padding);
    const double width = std::min(text.width(labels[index], label_style), room);
    const Point origin{segment.center().x - width / 2, segment.center().y - text.line_height(label_style) / 2};
    canvas.draw_text(labels[index], origin, label_style, chosen ? theme.colors.accent : theme.colors.text_muted, room);
  }
}

}  // namespace orvo::ui
