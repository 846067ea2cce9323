#include "platform/ui/button_face.h"

#include <algorithm>

namespace orvo::ui {
namespace {

const TextStyle label_style{13.5, FontWeight::Semibold};
constexpr double padding = 16;
constexpr double icon_size = 18;
constexpr double icon_gap = 6;
constexpr double hover_lift = 0.08;
constexpr double press_shade = 0.18;

struct ToneColors {
  Color background;
  Color text;
  std::optional<Color> border;
};

ToneColors tone_colors(ButtonTone tone, const Colors& colors) {
  switch (tone) {
    case ButtonTone::Primary: return {colors.accent, colors.on_accent, std::nullopt};
    case ButtonTone::Danger: return {colors.danger.with_alpha(0.16), colors.danger, colors.danger.with_alpha(0.5)};
    case ButtonTone::Normal: break;
  }
  return {colors.raised, colors.text, colors.border};
}

// Hovering lightens and pressing darkens every tone alike.
std::optional<Color> state_overlay(ButtonState state) {
  if (state.pressed) return Color::rgb(0x000000).with_alpha(press_shade);
  if (state.hovered) return Color::rgb(0xffffff).with_alpha(hover_lift);
  return std::nullopt;
}

}  // namespace

double ButtonFace::content_width(const TextRenderer& text) const {
  return text.width(label, label_style) + (icon ? icon_size + icon_gap : 0);
}

double ButtonFace::natural_width(const TextRenderer& text) const { return content_width(text) + 2 * padding; }

void ButtonFace::paint(Canvas& canvas, const Rect& rect, const Theme& theme, ButtonState state) const {
  const ToneColors colors = tone_colors(tone, theme.colors);
  const double radius = std::min(theme.corner_radius, rect.height() / 2);
  canvas.fill_rounded_rect(rect, radius, colors.background);
  if (colors.border) canvas.stroke_rounded_rect(rect, radius, *colors.border, 1);
  if (const auto overlay = state_overlay(state)) canvas.fill_rounded_rect(rect, radius, *overlay);

  const TextRenderer& text = canvas.text();
  const double room = std::max(0.0, rect.width() - 2 * padding);
  double x = rect.center().x - std::min(content_width(text), room) / 2;
  if (icon) {
    const double top = rect.center().y - icon_size / 2;
    canvas.icon(*icon, {x, top, x + icon_size, top + icon_size}, colors.text);
    x += icon_size + icon_gap;
  }
  const double label_top = rect.center().y - text.line_height(label_style) / 2;
  canvas.draw_text(label, {x, label_top}, label_style, colors.text, std::max(0.0, rect.x1 - padding - x));
}

}  // namespace orvo::ui
