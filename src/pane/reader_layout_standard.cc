#include "pane/reader_layout_standard.h"

#include "message/subject.h"
#include "pane/message_body.h"
#include "pane/message_header.h"
#include "pane/preview_badge.h"
#include "pane/row_text.h"

namespace mail::pane {
namespace {

using orvo::ui::Canvas;
using orvo::ui::FontWeight;
using orvo::ui::TextStyle;

constexpr double subject_top = 64;
constexpr double subject_to_summary = 30;
constexpr double summary_to_badge = 26;
constexpr double badge_advance = 28;
constexpr double separator_to_messages = 16;
constexpr double header_to_content = 8;
constexpr double snippet_advance = 18 + 14;
constexpr double bottom_margin = 40;
constexpr double html_bottom_margin = 46;
constexpr double least_html_room = 48;
constexpr double body_to_attachments = 8;
const TextStyle subject_style{20, FontWeight::Bold};
const TextStyle summary_style{12};
const TextStyle snippet_style{12};

bool previewing(const state::MailState& state, const message::MessageRecord& message) {
  return state.preview && state.previewed == message.id;
}

// Subject, summary, the preview badge when it applies and the separator. Returns
// where the first message starts.
double draw_heading(Canvas& canvas, const PaneFrame& frame, const Conversation& conversation,
                    const ReaderColumn& column) {
  const orvo::ui::Colors& colors = frame.theme.colors;
  const message::MessageRecord& newest = *conversation.back();
  double top = frame.rect.y0 + subject_top;
  canvas.draw_text(message::base_subject(newest.subject), {column.left, top}, subject_style, colors.text,
                   column.width());
  top += subject_to_summary;
  canvas.draw_text(conversation_summary(conversation.size(), frame.state.current_folder), {column.left, top},
                   summary_style, colors.text_muted, column.width());
  top += summary_to_badge;
  if (previewing(frame.state, newest)) {
    draw_preview_badge(canvas, frame.theme, newest, {column.left, top});
    top += badge_advance;
  }
  canvas.hairline({column.left, top}, {column.right, top}, colors.border);
  return top + separator_to_messages;
}

double draw_folded_message(Canvas& canvas, const orvo::ui::Theme& theme, const message::MessageRecord& message,
                           const ReaderColumn& column, double top) {
  const double snippet_top = draw_message_header(canvas, theme, message, column, top) + header_to_content;
  canvas.draw_text(snippet_text(message), {column.left, snippet_top}, snippet_style, theme.colors.text_muted,
                   column.width());
  return snippet_top + snippet_advance;
}

std::vector<AttachmentChip> draw_newest_message(Canvas& canvas, const PaneFrame& frame,
                                                const message::MessageRecord& message, const ReaderColumn& column,
                                                double top, ReaderHtmlView& html) {
  const double bottom_limit = frame.rect.y1 - bottom_margin;
  const double header_end = draw_message_header(canvas, frame.theme, message, column, top);
  const double content_top = header_end + header_to_content;
  if (message.html_body && bottom_limit - header_end >= least_html_room) {
    const orvo::ui::Rect region{column.left, content_top, column.right, frame.rect.y1 - html_bottom_margin};
    html.draw(canvas, frame.theme, message, region, frame.state.pointer);
    return {};
  }
  const double body_end = draw_message_body(canvas, frame.theme, message.body, column, content_top, bottom_limit);
  return draw_attachments(canvas, frame.theme, message, column, body_end + body_to_attachments, frame.state.pointer);
}

}  // namespace

std::vector<AttachmentChip> draw_standard_layout(Canvas& canvas, const PaneFrame& frame,
                                                 const Conversation& conversation, ReaderHtmlView& html) {
  const ReaderColumn column = ReaderColumn::of(frame.rect);
  const double bottom_limit = frame.rect.y1 - bottom_margin;
  double top = draw_heading(canvas, frame, conversation, column);
  for (const message::MessageRecord* message : conversation) {
    if (top > bottom_limit) break;
    if (message == conversation.back()) return draw_newest_message(canvas, frame, *message, column, top, html);
    top = draw_folded_message(canvas, frame.theme, *message, column, top);
  }
  return {};
}

}  // namespace mail::pane
