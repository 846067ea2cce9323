#pragma once

#include <nlohmann/json.hpp>

#include <expected>
#include <string>
#include <vector>

#include "message/draft_data.h"

namespace mail::doc {

// The JSON forms of drafts, keys in the order written: a draft is {"to", "cc",
// "bcc", "subject", "body", "html_body", "calendar_ics", "attachments"}, the two
// optional texts null when absent; an attachment is {"content_id", "filename",
// "mime", "size"}.
nlohmann::ordered_json draft_to_json(const message::DraftData& draft);
nlohmann::ordered_json attachments_to_json(const std::vector<message::DraftAttachment>& attachments);

// A draft may leave keys out, as another program handing one over may: missing
// texts read as empty, a missing or null optional text as absent, missing
// attachments as none. An attachment needs all four keys. Keys of the wrong type
// are errors; unknown keys are ignored.
std::expected<message::DraftData, std::string> draft_from_json(const nlohmann::ordered_json& json);
std::expected<std::vector<message::DraftAttachment>, std::string> attachments_from_json(
    const nlohmann::ordered_json& json);

}  // namespace mail::doc
