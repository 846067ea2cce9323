#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "message/message_record.h"
#include "pane/reader_geometry.h"
#include "platform/ui/canvas.h"
#include "platform/ui/theme.h"

namespace mail::pane {

// Where one attachment of a message is drawn; clicking it saves that attachment.
struct AttachmentChip {
  orvo::ui::Rect rect;
  message::MessageId message;
  std::size_t index = 0;
};

// "1 attachment", "3 attachments".
std::string attachments_phrase(std::size_t count);

// The chips of the message's attachments from `top`, left to right, starting a new
// row whenever a chip would cross the column's right edge.
std::vector<AttachmentChip> layout_attachment_chips(const orvo::ui::TextRenderer& text,
                                                    const message::MessageRecord& message, const ReaderColumn& column,
                                                    double top);

// The label and the chips of the message's attachments, from `top`; nothing for a
// message without any. Returns the chips drawn; the one under `pointer` is lifted.
std::vector<AttachmentChip> draw_attachments(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme,
                                             const message::MessageRecord& message, const ReaderColumn& column,
                                             double top, orvo::ui::Point pointer);

}  // namespace mail::pane
