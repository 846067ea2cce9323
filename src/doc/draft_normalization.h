#pragma once

#include <vector>

#include "message/draft_data.h"

namespace mail::doc {

// The valid attachments of a list, in order, each content once, within a draft's
// limits: at most 16 of them and 128 MiB together. Later entries give way.
std::vector<message::DraftAttachment> normalize_attachments(const std::vector<message::DraftAttachment>& attachments);

// A draft from any source made fit to keep: addresses and subject on one line,
// bodies cleaned, every text cut to its limit, an invitation that is not a bounded
// request dropped, attachments normalised. It never fails and reports nothing.
message::DraftData normalize_draft(message::DraftData draft);

}  // namespace mail::doc
