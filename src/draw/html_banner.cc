#include "draw/html_banner.h"

namespace mail::draw {
namespace {

using orvo::ui::Color;
using orvo::ui::Icon;
using orvo::ui::Rect;

constexpr double gap_above = 8;
constexpr double height = 28;
constexpr double radius = 8;
constexpr double text_left = 30;
constexpr double text_top = 7;
constexpr double width_beside_text = 44;  // the icon column and a right margin
constexpr double icon_left = 8;
constexpr double icon_top = 6;
constexpr double icon_size = 16;
// A hovered banner rises off the pane: the lift is the strength of the shadow under it.
constexpr double hover_lift = 0.35;
constexpr double lift_blur = 10;
const orvo::ui::TextStyle text_style{11.5};

struct BannerLook {
  std::string_view text;
  Icon icon;
  bool toggles_remote_images;
};

BannerLook look_of(BannerMode mode) {
  switch (mode) {
    case BannerMode::RemoteBlocked: return {"Remote content blocked · Load images", Icon::Image, true};
    case BannerMode::RemoteLoaded: return {"Remote images loaded", Icon::Image, true};
    case BannerMode::SafeText: break;
  }
  return {"Safe text version · Rich HTML unavailable", Icon::Info, false};
}

// Blocked content is the one state that invites a click, so only it takes the accent.
Color ink_of(BannerMode mode, const orvo::ui::Theme& theme) {
  return mode == BannerMode::RemoteBlocked ? theme.colors.accent : theme.colors.text_muted;
}

}  // namespace

std::optional<Rect> draw_html_banner(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, const Rect& region,
                                     BannerMode mode, std::optional<orvo::ui::Point> pointer) {
  const BannerLook look = look_of(mode);
  const Color ink = ink_of(mode, theme);
  const double width = canvas.text().width(look.text, text_style) + width_beside_text;
  const double top = region.y1 + gap_above;
  const Rect card{region.x0, top, region.x0 + width, top + height};

  const bool hovered = pointer && card.contains(*pointer);
  if (hovered) canvas.shadow(card, radius, lift_blur, theme.colors.shadow.with_alpha(hover_lift));
  canvas.fill_rounded_rect(card, radius, theme.colors.raised);
  const double icon_x = card.x0 + icon_left;
  const double icon_y = card.y0 + icon_top;
  canvas.icon(look.icon, {icon_x, icon_y, icon_x + icon_size, icon_y + icon_size}, ink);
  canvas.draw_text(look.text, {card.x0 + text_left, card.y0 + text_top}, text_style, ink);

  if (!look.toggles_remote_images) return std::nullopt;
  return card;
}

}  // namespace mail::draw
