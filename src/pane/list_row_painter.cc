#include "pane/list_row_painter.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "message/date_format.h"
#include "pane/pane_paint.h"
#include "pane/row_text.h"
#include "platform/ui/avatar.h"

namespace mail::pane {
namespace {

using orvo::ui::Canvas;
using orvo::ui::FontWeight;
using orvo::ui::Icon;
using orvo::ui::Rect;
using orvo::ui::TextStyle;

TextStyle sender_style(bool unread) { return {13.5, unread ? FontWeight::Bold : FontWeight::Medium}; }
TextStyle subject_style(bool unread) { return {12.5, unread ? FontWeight::Semibold : FontWeight::Regular}; }
const TextStyle date_style{11.5, FontWeight::Regular};
const TextStyle snippet_style{11.5, FontWeight::Regular};
const TextStyle badge_style{10.5, FontWeight::Semibold};
const TextStyle swipe_style{12, FontWeight::Semibold};

constexpr double least_visible_drag = 1;
constexpr double swipe_edge = 18;
constexpr double swipe_icon = 18;
constexpr double swipe_gap = 6;
constexpr double hover_lift = 0.35;
constexpr double mark_x = 14;
constexpr double unread_dot_radius = 4;
constexpr double check_radius = 8;
constexpr double check_icon = 12;
constexpr double avatar_left = 25;
constexpr double text_gap = 12;  // between the avatar and the text column
constexpr double right_margin = 14;
constexpr double date_gap = 8;
constexpr double subject_cut = 16;
constexpr double subject_cut_with_badge = 48;
constexpr double badge_margin = 12;
constexpr double badge_padding = 6;
constexpr double badge_height_padding = 4;
constexpr double snippet_cut = 28;
constexpr double snippet_cut_with_clip = 64;
constexpr double star_icon = 16;
constexpr double clip_icon = 14;
constexpr double clip_left = 44;  // from the right margin
constexpr double clip_right = 30;

class RowPainter {
 public:
  RowPainter(Canvas& canvas, const PaneFrame& frame, const ListMetrics& metrics, const ListRow& row,
             const message::MessageRecord& message)
      : canvas_(canvas), frame_(frame), metrics_(metrics), row_(row), rect_(row.rect), message_(message) {}

  void paint(std::optional<double> drag) {
    orvo::ui::CanvasState saved(canvas_);
    canvas_.clip(rect_);
    const double offset = drag.value_or(0);
    if (std::abs(offset) > least_visible_drag) paint_swipe_action(offset);
    canvas_.translate(offset, 0);
    paint_background(drag.has_value());
    paint_leading_mark();
    paint_avatar();
    paint_sender_line();
    paint_subject_line();
    paint_snippet_line();
    paint_star_and_clip();
  }

 private:
  [[nodiscard]] const orvo::ui::Colors& colors() const { return frame_.theme.colors; }
  [[nodiscard]] const orvo::ui::TextRenderer& text() const { return canvas_.text(); }
  [[nodiscard]] bool unread() const { return !message_.read; }
  [[nodiscard]] double text_left() const { return rect_.x0 + avatar_left + 2 * metrics_.avatar_radius + text_gap; }
  [[nodiscard]] double margin() const { return rect_.x1 - right_margin; }
  [[nodiscard]] double scaled(double length) const { return length * frame_.scale; }

  [[nodiscard]] bool bulk_selected() const {
    const state::MailState& state = frame_.state;
    return state.bulk_mode && std::ranges::find(state.bulk_selection, message_.id) != state.bulk_selection.end();
  }

  [[nodiscard]] bool marked() const {
    const state::MailState& state = frame_.state;
    if (state.bulk_mode) return bulk_selected();
    return !state.layout.compact && state.selected == message_.id;
  }

  // What letting go will do, shown under the row as it slides away.
  void paint_swipe_action(double offset) {
    const bool archive = offset < 0;
    canvas_.fill_rect(rect_, archive ? colors().accent : colors().danger);
    const std::string label = archive ? "Archive" : "Delete";
    const double label_width = text().width(label, swipe_style);
    const double group = swipe_icon + swipe_gap + label_width;
    const double left = archive ? rect_.x1 - swipe_edge - group : rect_.x0 + swipe_edge;
    const double middle = rect_.center().y;
    const double icon_left = archive ? left + label_width + swipe_gap : left;
    const double label_left = archive ? left : left + swipe_icon + swipe_gap;
    canvas_.icon(archive ? Icon::Archive : Icon::Delete,
                 square_around({icon_left + swipe_icon / 2, middle}, swipe_icon), colors().on_accent);
    canvas_.draw_text(label, {label_left, text_top_centred(text(), swipe_style, middle)}, swipe_style,
                      colors().on_accent);
  }

  void paint_background(bool dragged) {
    if (marked()) {
      paint_marked_row(canvas_, rect_, frame_.theme);
    } else {
      const bool hovered = !dragged && rect_.contains(frame_.state.pointer);
      canvas_.fill_rect(rect_, hovered ? lifted(colors().surface, hover_lift) : colors().surface);
    }
    canvas_.hairline({rect_.x0, rect_.y1 - 0.5}, {rect_.x1, rect_.y1 - 0.5}, colors().border);
  }

  void paint_leading_mark() {
    const orvo::ui::Point center{rect_.x0 + scaled(mark_x), rect_.center().y};
    if (bulk_selected()) {
      canvas_.fill_circle(center, check_radius, colors().accent);
      canvas_.icon(Icon::Check, square_around(center, check_icon), colors().on_accent);
    } else if (unread()) {
      canvas_.fill_circle(center, unread_dot_radius, colors().accent);
    }
  }

  void paint_avatar() {
    const double radius = metrics_.avatar_radius;
    const message::Contact& sender = message_.from;
    const std::size_t colour = std::hash<std::string>{}(sender.address);
    orvo::ui::Avatar::paint(canvas_, {rect_.x0 + avatar_left + radius, rect_.center().y}, radius, sender_text(sender),
                            frame_.theme.avatar_color(colour), colors().on_accent);
  }

  void paint_sender_line() {
    const double top = rect_.y0 + metrics_.sender_top;
    const std::string date = message::format_list_date(message_.date, frame_.state.clock);
    const double date_left = margin() - text().width(date, date_style);
    canvas_.draw_text(date, {date_left, top}, date_style, colors().text_muted);
    canvas_.draw_text(sender_text(message_.from), {text_left(), top}, sender_style(unread()), colors().text,
                      std::max(0.0, date_left - date_gap - text_left()));
  }

  void paint_subject_line() {
    const double top = rect_.y0 + metrics_.subject_top;
    const bool badge = row_.item.count >= 2;
    const double cut = scaled(badge ? subject_cut_with_badge : subject_cut);
    canvas_.draw_text(subject_text(message_), {text_left(), top}, subject_style(unread()),
                      unread() ? colors().text : colors().text_muted, std::max(0.0, margin() - cut - text_left()));
    if (badge) paint_count_badge(top);
  }

  void paint_count_badge(double line_top) {
    const std::string count = std::to_string(row_.item.count);
    const double width = text().width(count, badge_style);
    const double height = text().line_height(badge_style) + badge_height_padding;
    const double middle = line_top + text().line_height(subject_style(unread())) / 2;
    const double right = margin() - badge_margin;
    const Rect pill{std::min(right - width - 2 * badge_padding, right - height), middle - height / 2, right,
                    middle + height / 2};
    canvas_.fill_rounded_rect(pill, height / 2, colors().raised);
    canvas_.draw_text(count, {pill.center().x - width / 2, text_top_centred(text(), badge_style, middle)}, badge_style,
                      colors().text_muted);
  }

  void paint_snippet_line() {
    const double cut = scaled(message_.attachments.empty() ? snippet_cut : snippet_cut_with_clip);
    canvas_.draw_text(snippet_text(message_), {text_left(), rect_.y0 + metrics_.snippet_top}, snippet_style,
                      colors().text_faint, std::max(0.0, margin() - cut - text_left()));
  }

  void paint_star_and_clip() {
    const bool starred = message_.starred;
    canvas_.icon(starred ? Icon::Star : Icon::StarOutline, square_around(row_.star.center(), star_icon),
                 starred ? colors().accent : colors().text_faint);
    if (message_.attachments.empty()) return;
    const double middle = rect_.y0 + metrics_.star_middle;
    canvas_.icon(Icon::Attachment,
                 {margin() - clip_left, middle - clip_icon / 2, margin() - clip_right, middle + clip_icon / 2},
                 colors().text_faint);
  }

  Canvas& canvas_;
  const PaneFrame& frame_;
  const ListMetrics& metrics_;
  const ListRow& row_;
  const Rect& rect_;
  const message::MessageRecord& message_;
};

}  // namespace

void paint_list_row(Canvas& canvas, const PaneFrame& frame, const ListMetrics& metrics, const ListRow& row,
                    std::optional<double> drag) {
  const message::MessageRecord* message = frame.state.store.find(row.item.representative);
  if (message == nullptr) return;
  RowPainter(canvas, frame, metrics, row, *message).paint(drag);
}

}  // namespace mail::pane
