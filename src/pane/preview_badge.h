#pragma once

#include <string_view>

#include "message/message_record.h"
#include "platform/ui/canvas.h"
#include "platform/ui/theme.h"

namespace mail::pane {

// What previewing did not do to the message: it stays unread, or its read state is kept.
std::string_view preview_badge_text(const message::MessageRecord& message);

// The pill that tells a previewed message from an opened one, with its top-left at `origin`.
void draw_preview_badge(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, const message::MessageRecord& message,
                        orvo::ui::Point origin);

}  // namespace mail::pane
