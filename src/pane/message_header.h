#pragma once

#include "message/message_record.h"
#include "pane/reader_geometry.h"
#include "platform/ui/canvas.h"
#include "platform/ui/theme.h"

namespace mail::pane {

// The height of every message header at the current text scale.
double message_header_height(const orvo::ui::TextRenderer& text, const orvo::ui::Theme& theme);

// The sender's avatar and name, the recipients below the name and the date at the
// right, from `top`. Returns where the header ends.
double draw_message_header(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme,
                           const message::MessageRecord& message, const ReaderColumn& column, double top);

}  // namespace mail::pane
