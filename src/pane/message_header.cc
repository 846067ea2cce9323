#include "pane/message_header.h"

#include <algorithm>
#include <functional>

#include "message/date_format.h"
#include "pane/row_text.h"
#include "platform/ui/avatar.h"

namespace mail::pane {
namespace {

using orvo::ui::FontWeight;
using orvo::ui::TextStyle;

constexpr double avatar_radius = 17;
constexpr double avatar_gap = 12;
constexpr double line_gap = 2;
constexpr double date_gap = 12;
constexpr double recipients_share = 0.4;
constexpr double recipients_minimum = 150;
constexpr double recipients_margin = 60;
const TextStyle sender_style{13.5, FontWeight::Semibold};
const TextStyle recipients_style{11};
const TextStyle date_style{11.5};

// Avatars grow with large themes but never shrink below their normal size.
double avatar_radius_for(const orvo::ui::Theme& theme) { return std::max(theme.scale, 1.0) * avatar_radius; }

std::string recipients_line(const std::vector<message::Contact>& recipients) {
  std::string line = "to ";
  for (const message::Contact& recipient : recipients) {
    if (&recipient != &recipients.front()) line += ", ";
    line += sender_text(recipient);
  }
  return line;
}

double recipients_width(double pane_width) {
  return std::min(std::max(recipients_share * pane_width, recipients_minimum), pane_width - recipients_margin);
}

// Colours are handed out by address, so a person keeps theirs wherever they appear.
orvo::ui::Color avatar_color(const orvo::ui::Theme& theme, const message::Contact& contact) {
  return theme.avatar_color(std::hash<std::string>()(contact.address));
}

}  // namespace

double message_header_height(const orvo::ui::TextRenderer& text, const orvo::ui::Theme& theme) {
  const double lines = text.line_height(sender_style) + line_gap + text.line_height(recipients_style);
  return std::max(2 * avatar_radius_for(theme), lines);
}

double draw_message_header(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme,
                           const message::MessageRecord& message, const ReaderColumn& column, double top) {
  const orvo::ui::TextRenderer& text = canvas.text();
  const double radius = avatar_radius_for(theme);
  const std::string sender = sender_text(message.from);
  orvo::ui::Avatar::paint(canvas, {column.left + radius, top + radius}, radius, sender,
                          avatar_color(theme, message.from), theme.colors.on_accent);

  const std::string date = message::format_full_date(message.date);
  const double date_x = column.right - text.width(date, date_style);
  canvas.draw_text(date, {date_x, top}, date_style, theme.colors.text_muted);

  const double text_x = column.left + 2 * radius + avatar_gap;
  canvas.draw_text(sender, {text_x, top}, sender_style, theme.colors.text, std::max(0.0, date_x - date_gap - text_x));
  const double recipients_top = top + text.line_height(sender_style) + line_gap;
  canvas.draw_text(recipients_line(message.to), {text_x, recipients_top}, recipients_style, theme.colors.text_muted,
                   std::max(0.0, recipients_width(column.pane_width)));
  return top + message_header_height(text, theme);
}

}  // namespace mail::pane
