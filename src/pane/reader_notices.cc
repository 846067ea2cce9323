#include "pane/reader_notices.h"

#include <algorithm>

#include "draw/wrap_text.h"
#include "state/message_commands.h"

namespace mail::pane {
namespace {

using orvo::ui::TextStyle;

constexpr double notice_left = 28;
constexpr double notice_title_top = 38;
constexpr double notice_hint_top = 68;
constexpr double empty_icon_size = 52;
constexpr double icon_to_hint = 12;
const TextStyle notice_title_style{20, orvo::ui::FontWeight::Bold};
const TextStyle notice_hint_style{13};
const TextStyle empty_hint_style{14};

}  // namespace

std::string bulk_notice_title(std::size_t selected) { return state::messages_phrase(selected) + " selected"; }

void draw_bulk_notice(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, const orvo::ui::Rect& pane,
                      std::size_t selected) {
  const double left = pane.x0 + notice_left;
  const double width = std::max(pane.x1 - notice_left - left, 0.0);
  canvas.draw_text(bulk_notice_title(selected), {left, pane.y0 + notice_title_top}, notice_title_style,
                   theme.colors.text, width);
  // The hint is a sentence, not a label: a narrow pane wraps it rather than cut it short.
  const double row_height = canvas.text().line_height(notice_hint_style);
  double top = pane.y0 + notice_hint_top;
  for (const std::string& row : draw::wrap_text(canvas.text(), bulk_notice_hint, notice_hint_style, width)) {
    canvas.draw_text(row, {left, top}, notice_hint_style, theme.colors.text_muted);
    top += row_height;
  }
}

void draw_no_conversation(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, const orvo::ui::Rect& pane) {
  const orvo::ui::Point center = pane.center();
  const double icon_bottom = center.y - icon_to_hint / 2;
  canvas.icon(orvo::ui::Icon::Mail,
              {center.x - empty_icon_size / 2, icon_bottom - empty_icon_size, center.x + empty_icon_size / 2,
               icon_bottom},
              theme.colors.text_faint);
  const double width = canvas.text().width(no_conversation_hint, empty_hint_style);
  canvas.draw_text(no_conversation_hint, {center.x - width / 2, center.y + icon_to_hint / 2}, empty_hint_style,
                   theme.colors.text_muted);
}

}  // namespace mail::pane
