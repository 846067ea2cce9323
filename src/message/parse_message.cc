#include "message/parse_message.h"

#include <utility>

#include "message/mime_reader.h"
#include "message/record_from_mime.h"

namespace mail::message {

std::expected<MessageRecord, std::string> parse_message(std::string_view raw, const Delivery& delivery) {
  std::optional<MimeContent> content = read_mime(raw);
  if (!content) return std::unexpected("not a MIME message");
  return record_from_mime(std::move(*content), delivery);
}

}  // namespace mail::message
