#pragma once

#include "pane/pane_content.h"
#include "pane/reader_conversation.h"

namespace mail::pane {

// The conversation below the toolbar for large text: every message in full, oldest
// first, as sender, date and wrapped body, with nothing folded and no HTML region or
// attachment chips. `conversation` must not be empty.
void draw_large_layout(orvo::ui::Canvas& canvas, const PaneFrame& frame, const Conversation& conversation);

}  // namespace mail::pane
