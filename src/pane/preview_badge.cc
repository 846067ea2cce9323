#include "pane/preview_badge.h"

#include "pane/pane_paint.h"

namespace mail::pane {
namespace {

constexpr double radius = 7;
constexpr double height = 20;
constexpr double padding = 8;
constexpr double icon_size = 12;
constexpr double icon_gap = 5;
const orvo::ui::TextStyle text_style{11, orvo::ui::FontWeight::Medium};

}  // namespace

std::string_view preview_badge_text(const message::MessageRecord& message) {
  return message.read ? "Preview · read state unchanged" : "Preview · remains unread";
}

void draw_preview_badge(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, const message::MessageRecord& message,
                        orvo::ui::Point origin) {
  const std::string_view text = preview_badge_text(message);
  const double width = padding + icon_size + icon_gap + canvas.text().width(text, text_style) + padding;
  const orvo::ui::Rect pill{origin.x, origin.y, origin.x + width, origin.y + height};
  canvas.fill_rounded_rect(pill, radius, theme.colors.accent_soft);

  const double icon_x = pill.x0 + padding;
  // The platform's icon set has no eye; the information mark says "about this view" as well.
  canvas.icon(orvo::ui::Icon::Visibility, square_around({icon_x + icon_size / 2, pill.center().y}, icon_size),
              theme.colors.accent);
  const double text_top = text_top_centred(canvas.text(), text_style, pill.center().y);
  canvas.draw_text(text, {icon_x + icon_size + icon_gap, text_top}, text_style, theme.colors.accent);
}

}  // namespace mail::pane
