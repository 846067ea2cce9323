#include "doc/current_draft.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "doc/document_layout.h"
#include "doc/draft_json.h"
#include "doc/draft_normalization.h"
#include "doc/invitation_payload.h"
#include "platform/json/strict_json.h"

namespace mail::doc {
namespace {

using message::DraftAttachment;
using message::DraftData;
using orvo::storage::Document;

constexpr std::array<std::string_view, 8> draft_fields{"to",   "cc",        "bcc",          "subject",
                                                       "body", "html_body", "calendar_ics", "attachments"};

void put_optional(Document& document, std::string_view field, const std::optional<std::string>& text) {
  if (text) {
    document.put(draft_path(field), *text);
  } else {
    document.remove(draft_path(field));
  }
}

std::optional<std::string> optional_text(const Document& document, std::string_view field) {
  const std::string* text = document.get<std::string>(draft_path(field));
  return text == nullptr ? std::nullopt : std::optional(*text);
}

std::string text(const Document& document, std::string_view field) {
  return optional_text(document, field).value_or(std::string());
}

std::vector<DraftAttachment> attachments(const Document& document) {
  const std::string* saved = document.get<std::string>(draft_path("attachments"));
  if (saved == nullptr) return {};
  auto json = orvo::json::parse_strict(*saved);
  if (!json) return {};
  auto list = attachments_from_json(*json);
  return list ? normalize_attachments(*list) : std::vector<DraftAttachment>{};
}

}  // namespace

void save_draft(Document& document, const DraftData& draft) {
  document.put(draft_path("to"), draft.to);
  document.put(draft_path("cc"), draft.cc);
  document.put(draft_path("bcc"), draft.bcc);
  document.put(draft_path("subject"), draft.subject);
  document.put(draft_path("body"), draft.body);
  put_optional(document, "html_body", draft.html_body);
  put_optional(document, "calendar_ics", draft.calendar_ics);
  // Normalised attachments are UTF-8 throughout, so writing them out cannot fail.
  document.put(draft_path("attachments"), attachments_to_json(normalize_attachments(draft.attachments)).dump());
}

void discard_draft(Document& document) {
  for (std::string_view field : draft_fields) document.remove(draft_path(field));
}

DraftData read_draft(const Document& document) {
  DraftData draft{.to = text(document, "to"),
                  .cc = text(document, "cc"),
                  .bcc = text(document, "bcc"),
                  .subject = text(document, "subject"),
                  .body = text(document, "body"),
                  .html_body = optional_text(document, "html_body"),
                  .calendar_ics = optional_text(document, "calendar_ics"),
                  .attachments = attachments(document)};
  if (draft.calendar_ics && !is_invitation_payload(*draft.calendar_ics)) draft.calendar_ics.reset();
  return draft;
}

}  // namespace mail::doc
