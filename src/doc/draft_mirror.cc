#include "doc/draft_mirror.h"

#include "doc/message_marks.h"
#include "engine/smtp/address_list.h"
#include "message/ascii.h"

namespace mail::doc {
namespace {

using message::AttachmentRecord;
using message::DraftData;
using message::MessageRecord;

std::vector<AttachmentRecord> attachment_records(const std::vector<message::DraftAttachment>& attachments) {
  std::vector<AttachmentRecord> records;
  records.reserve(attachments.size());
  for (const message::DraftAttachment& attachment : attachments) {
    records.push_back(
        {.filename = attachment.filename, .mime_type = attachment.mime, .content_ref = attachment.content_id,
         .size = attachment.size});
  }
  return records;
}

MessageRecord draft_record(const DraftData& draft, const message::Contact& from, message::Minutes now,
                           const message::MessageId& id) {
  const bool untitled = message::trim_blanks(draft.subject).empty();
  return {.from = from,
          .to = engine::smtp::split_address_list(draft.to),
          .cc = engine::smtp::split_address_list(draft.cc),
          .subject = untitled ? "(no subject)" : draft.subject,
          .body = draft.body,
          .attachments = attachment_records(draft.attachments),
          .html_body = draft.html_body,
          .id = id,
          .date = now,
          .read = true,
          .folder = message::FolderKind::Drafts};
}

}  // namespace

std::optional<message::MessageId> mirror_draft(orvo::storage::Document& document, state::MessageStore& store,
                                               const DraftData& draft, const message::Contact& from,
                                               message::Minutes now, std::optional<message::MessageId> remembered) {
  if (draft.to.empty() && draft.subject.empty() && draft.body.empty()) return remembered;
  const message::MessageId id = remembered ? *remembered : message::MessageId::random();
  store.insert(draft_record(draft, from, now, id));
  ensure_message(document, id);
  return id;
}

}  // namespace mail::doc
