#pragma once

#include <vector>

#include "pane/attachment_chips.h"
#include "pane/pane_content.h"
#include "pane/reader_conversation.h"
#include "pane/reader_html_view.h"

namespace mail::pane {

// The conversation below the toolbar at normal text sizes: subject and summary, the
// older messages folded to a header and a snippet, the newest in full with its HTML
// region or text body and its attachments. `conversation` must not be empty.
// Returns the attachment chips drawn.
std::vector<AttachmentChip> draw_standard_layout(orvo::ui::Canvas& canvas, const PaneFrame& frame,
                                                 const Conversation& conversation, ReaderHtmlView& html);

}  // namespace mail::pane
