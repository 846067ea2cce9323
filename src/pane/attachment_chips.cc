#include "pane/attachment_chips.h"

#include <algorithm>

#include "pane/pane_paint.h"
#include "platform/format/bytes.h"

namespace mail::pane {
namespace {

using orvo::ui::Canvas;
using orvo::ui::FontWeight;
using orvo::ui::Icon;
using orvo::ui::Rect;
using orvo::ui::TextStyle;

constexpr double label_to_chips = 20;
constexpr double chip_height = 32;
constexpr double row_pitch = 36;
constexpr double chip_gap = 8;
constexpr double width_beside_text = 64;  // the type icon before the text and the save icon after it
constexpr double radius = 8;
constexpr double type_icon_inset = 7;
constexpr double icon_size = 16;
constexpr double text_left = 30;
constexpr double name_top = 4;
constexpr double details_top = 17;
constexpr double save_icon_right = 8;
constexpr double hover_lift = 0.35;
const TextStyle label_style{11.5, FontWeight::Medium};
const TextStyle name_style{11.5};
const TextStyle details_style{10};

std::string details_of(const message::AttachmentRecord& attachment) {
  return orvo::format::bytes(attachment.size) + " · " + attachment.mime_type;
}

double text_width(const orvo::ui::TextRenderer& text, const message::AttachmentRecord& attachment) {
  return std::max(text.width(attachment.filename, name_style), text.width(details_of(attachment), details_style));
}

Icon type_icon(std::string_view mime_type) {
  if (mime_type == "application/pdf") return Icon::PictureAsPdf;
  if (mime_type.starts_with("image/")) return Icon::Image;
  if (mime_type.starts_with("text/")) return Icon::Description;
  return Icon::Attachment;
}

void draw_chip(Canvas& canvas, const orvo::ui::Theme& theme, const message::AttachmentRecord& attachment,
               const Rect& chip, bool hovered) {
  const orvo::ui::Color card = theme.colors.raised;
  canvas.fill_rounded_rect(chip, radius, hovered ? lifted(card, hover_lift) : card);
  const orvo::ui::Point type_icon_corner{chip.x0 + type_icon_inset, chip.y0 + type_icon_inset};
  canvas.icon(type_icon(attachment.mime_type),
              Rect::from_origin_size(type_icon_corner, {icon_size, icon_size}), theme.colors.accent);
  const double text_room = chip.width() - width_beside_text;
  canvas.draw_text(attachment.filename, {chip.x0 + text_left, chip.y0 + name_top}, name_style, theme.colors.text,
                   text_room);
  canvas.draw_text(details_of(attachment), {chip.x0 + text_left, chip.y0 + details_top}, details_style,
                   theme.colors.text_muted, text_room);
  // The platform's icon set has no download arrow; the chevron points the same way.
  canvas.icon(Icon::Download, square_around({chip.x1 - save_icon_right - icon_size / 2, chip.center().y}, icon_size),
              theme.colors.text_muted);
}

}  // namespace

std::string attachments_phrase(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " attachment" : " attachments");
}

std::vector<AttachmentChip> layout_attachment_chips(const orvo::ui::TextRenderer& text,
                                                    const message::MessageRecord& message, const ReaderColumn& column,
                                                    double top) {
  std::vector<AttachmentChip> chips;
  double x = column.left;
  for (std::size_t index = 0; index < message.attachments.size(); ++index) {
    // A long file name is cut rather than run the chip out of the pane.
    const double width = std::min(text_width(text, message.attachments[index]) + width_beside_text, column.width());
    if (x + width > column.right) {
      x = column.left;
      top += row_pitch;
    }
    chips.push_back({{x, top, x + width, top + chip_height}, message.id, index});
    x += width + chip_gap;
  }
  return chips;
}

std::vector<AttachmentChip> draw_attachments(Canvas& canvas, const orvo::ui::Theme& theme,
                                             const message::MessageRecord& message, const ReaderColumn& column,
                                             double top, orvo::ui::Point pointer) {
  if (message.attachments.empty()) return {};
  canvas.draw_text(attachments_phrase(message.attachments.size()), {column.left, top}, label_style,
                   theme.colors.text_muted);
  std::vector<AttachmentChip> chips = layout_attachment_chips(canvas.text(), message, column, top + label_to_chips);
  for (const AttachmentChip& chip : chips) {
    draw_chip(canvas, theme, message.attachments[chip.index], chip.rect, chip.rect.contains(pointer));
  }
  return chips;
}

}  // namespace mail::pane
