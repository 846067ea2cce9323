#include "message/record_from_mime.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "message/html_to_text.h"
#include "message/mime_reader.h"
#include "message/mime_type.h"

namespace mail::message {
namespace {

Contact sender(const std::vector<Contact>& from) {
  if (from.empty()) return Contact{.address = "unknown@unknown"};
  return from.front();
}

std::string subject(std::optional<std::string> header) {
  return header ? std::move(*header) : "(no subject)";
}

std::string body(std::optional<std::string> plain_body, const std::optional<std::string>& html_body) {
  if (plain_body) return std::move(*plain_body);
  return html_body ? html_to_text(*html_body) : std::string();
}

// A reply names its whole ancestry in References, root first; In-Reply-To only its parent.
std::optional<std::string> thread_ref(const MimeContent& content) {
  if (!content.references.empty()) return content.references.front();
  if (!content.in_reply_to.empty()) return content.in_reply_to.back();
  return std::nullopt;
}

AttachmentRecord attachment(MimeAttachment part) {
  std::string filename = part.filename.empty() ? "attachment.bin" : std::move(part.filename);
  std::string mime_type = mime_type_for(filename);
  const std::uint64_t size = part.content.size();
  return AttachmentRecord{
      .filename = std::move(filename),
      .mime_type = std::move(mime_type),
      .content = std::move(part.content),
      .size = size,
      .downloaded = size > 0,
  };
}

std::vector<AttachmentRecord> attachments(std::vector<MimeAttachment> parts) {
  std::vector<AttachmentRecord> records;
  records.reserve(parts.size());
  std::transform(std::make_move_iterator(parts.begin()), std::make_move_iterator(parts.end()),
                 std::back_inserter(records), attachment);
  return records;
}

// A Message-ID that is empty but for its brackets names nothing: the message is given a
// random id like one without the header, instead of sharing one id with all its kind.
void identify(MessageRecord& record, std::optional<std::string> message_id) {
  const auto derived = message_id ? MessageId::from_message_id(*message_id) : std::nullopt;
  if (!derived) {
    record.id = MessageId::random();
    return;
  }
  record.id = *derived;
  record.message_id = std::move(message_id);
}

}  // namespace

MessageRecord record_from_mime(MimeContent content, const Delivery& delivery) {
  MessageRecord record{
      .from = sender(content.from),
      .to = std::move(content.to),
      .cc = std::move(content.cc),
      .subject = subject(std::move(content.subject)),
      .body = body(std::move(content.plain_body), content.html_body),
      .attachments = attachments(std::move(content.attachments)),
      .thread_ref = thread_ref(content),
      .html_body = std::move(content.html_body),
      .date = delivery.date,
      .read = delivery.read,
      .starred = delivery.starred,
      .folder = delivery.folder,
  };
  identify(record, std::move(content.message_id));
  return record;
}

}  // namespace mail::message
