#include "doc/draft_normalization.h"

#include <algorithm>
#include <cstdint>

#include "doc/invitation_payload.h"
#include "doc/text_normalization.h"
#include "engine/smtp/attachment_validity.h"

namespace mail::doc {
namespace {

constexpr std::size_t max_attachments = 16;
constexpr std::uint64_t max_total_size = std::uint64_t{128} << 20;
constexpr std::size_t max_address_characters = 8'192;
constexpr std::size_t max_subject_characters = 998;
constexpr std::size_t max_body_characters = 262'144;

bool is_valid(const message::DraftAttachment& attachment) {
  return engine::smtp::has_valid_metadata(attachment) && engine::smtp::content_key(attachment.content_id);
}

bool is_kept(const std::vector<message::DraftAttachment>& kept, const std::string& content_id) {
  return std::ranges::find(kept, content_id, &message::DraftAttachment::content_id) != kept.end();
}

}  // namespace

std::vector<message::DraftAttachment> normalize_attachments(const std::vector<message::DraftAttachment>& attachments) {
  std::vector<message::DraftAttachment> kept;
  std::uint64_t total = 0;
  for (const message::DraftAttachment& attachment : attachments) {
    if (kept.size() == max_attachments) break;
    // Each size is at most 32 MiB once valid, so the sum cannot wrap.
    const bool fits = is_valid(attachment) && total + attachment.size <= max_total_size;
    if (!fits || is_kept(kept, attachment.content_id)) continue;
    total += attachment.size;
    kept.push_back(attachment);
  }
  return kept;
}

message::DraftData normalize_draft(message::DraftData draft) {
  for (std::string* address : {&draft.to, &draft.cc, &draft.bcc}) {
    *address = normalize_text(*address, max_address_characters, TextMode::SingleLine);
  }
  draft.subject = normalize_text(draft.subject, max_subject_characters, TextMode::SingleLine);
  draft.body = normalize_text(draft.body, max_body_characters, TextMode::MultiLine);
  if (draft.html_body) draft.html_body = normalize_text(*draft.html_body, max_body_characters, TextMode::MultiLine);
  if (draft.calendar_ics && !is_invitation_payload(*draft.calendar_ics)) draft.calendar_ics.reset();
  draft.attachments = normalize_attachments(draft.attachments);
  return draft;
}

}  // namespace mail::doc
