#include "pane/reader_layout_large.h"

#include <algorithm>

#include "message/subject.h"
#include "draw/split_lines.h"
#include "draw/wrap_text.h"
#include "message/date_format.h"
#include "pane/reader_geometry.h"
#include "pane/row_text.h"

namespace mail::pane {
namespace {

using orvo::ui::Canvas;
using orvo::ui::Color;
using orvo::ui::FontWeight;
using orvo::ui::TextStyle;

constexpr double subject_top = 124;
constexpr double narrowest_wrap = 120;
constexpr double subject_to_summary = 10;
constexpr double summary_to_messages = 38;
constexpr double line_step = 28;
constexpr double body_to_separator = 12;
constexpr double separator_to_next = 16;
constexpr double bottom_margin = 30;
const TextStyle subject_style{20, FontWeight::Bold};
const TextStyle summary_style{12};
const TextStyle sender_style{14, FontWeight::Semibold};
const TextStyle date_style{11.5};
const TextStyle body_style{13.5};

// Where the text of the layout goes: from `left`, `width` wide, down to `bottom`.
struct TextColumn {
  double left = 0;
  double width = 0;
  double bottom = 0;
};

// Text wrapped to the column from `top` down, each paragraph on its own lines; rows
// below the column are not drawn. Returns where the text ends.
double draw_wrapped(Canvas& canvas, const TextColumn& column, std::string_view text, const TextStyle& style,
                    Color color, double top) {
  const double row_height = canvas.text().line_height(style);
  for (std::string_view paragraph : draw::split_lines(text)) {
    for (const std::string& row : draw::wrap_text(canvas.text(), paragraph, style, column.width)) {
      if (top < column.bottom) canvas.draw_text(row, {column.left, top}, style, color);
      top += row_height;
    }
  }
  return top;
}

// Large text can be taller than the fixed step from one line to the next; the step
// grows with it so that sender, date and body never overlap.
double step_below(Canvas& canvas, const TextStyle& style) {
  return std::max(line_step, canvas.text().line_height(style));
}

// Sender, date and body of one message from `top`, and the separator below. Returns
// where the next message starts.
double draw_message_block(Canvas& canvas, const orvo::ui::Colors& colors, const TextColumn& column,
                          const message::MessageRecord& message, double top) {
  canvas.draw_text(sender_text(message.from), {column.left, top}, sender_style, colors.text, column.width);
  top += step_below(canvas, sender_style);
  canvas.draw_text(message::format_full_date(message.date), {column.left, top}, date_style, colors.text_muted,
                   column.width);
  top += step_below(canvas, date_style);
  const double separator = draw_wrapped(canvas, column, message.body, body_style, colors.text, top) + body_to_separator;
  canvas.hairline({column.left, separator}, {column.left + column.width, separator}, colors.border);
  return separator + separator_to_next;
}

}  // namespace

void draw_large_layout(Canvas& canvas, const PaneFrame& frame, const Conversation& conversation) {
  const orvo::ui::Colors& colors = frame.theme.colors;
  const TextColumn column{.left = frame.rect.x0 + reader_content_inset,
                          .width = std::max(frame.rect.width() - 2 * reader_content_inset, narrowest_wrap),
                          .bottom = frame.rect.y1};
  double top = draw_wrapped(canvas, column, message::base_subject(conversation.back()->subject), subject_style,
                            colors.text, frame.rect.y0 + subject_top);
  top = draw_wrapped(canvas, column, conversation_summary(conversation.size(), frame.state.current_folder),
                     summary_style, colors.text_muted, top + subject_to_summary);
  top += summary_to_messages;
  for (const message::MessageRecord* message : conversation) {
    if (top >= column.bottom - bottom_margin) break;
    top = draw_message_block(canvas, colors, column, *message, top);
  }
}

}  // namespace mail::pane
