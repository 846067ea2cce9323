#include "engine/smtp/message_builder.h"

#include <gmime/gmime.h>

#include <algorithm>
#include <vector>

#include "engine/smtp/address_list.h"
#include "engine/smtp/attachment_content.h"
#include "engine/smtp/bare_address.h"
#include "engine/smtp/glib_ptr.h"
#include "message/ascii.h"
#include "message/mime_library.h"
#include "platform/crypto/uuid.h"

namespace mail::engine::smtp {
namespace {

using message::Contact;
using message::DraftAttachment;
using message::DraftData;
using PartPtr = GObjectPtr<GMimeObject>;

// For a sender whose address gives no usable domain; such a message is only ever
// built, since the envelope refuses that sender.
constexpr const char* fallback_domain = "localhost";


bool is_control_character(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7f;
}

// A header value is one line: a line break inside an address, a name or the subject
// would otherwise start a header of its own — a Bcc, say — in the message.
std::string on_one_line(std::string_view text) {
  std::string line(text);
  std::ranges::replace_if(line, is_control_character, ' ');
  return line;
}

// Every line break, however the draft spells it, becomes CRLF before encoding, so
// that no bare CR or LF reaches the wire and a base64 body decodes to canonical text.
std::string with_crlf_line_breaks(std::string_view text) {
  std::string canonical;
  canonical.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') {
      canonical += text[i];
      continue;
    }
    canonical += "\r\n";
    if (text.substr(i, 2) == "\r\n") ++i;
  }
  return canonical;
}

GObjectPtr<GMimeDataWrapper> wrap_content(std::string_view bytes) {
  const GObjectPtr<GMimeStream> stream(g_mime_stream_mem_new_with_buffer(bytes.data(), bytes.size()));
  return GObjectPtr<GMimeDataWrapper>(
      g_mime_data_wrapper_new_with_stream(stream.get(), GMIME_CONTENT_ENCODING_DEFAULT));
}

PartPtr text_part(const char* subtype, std::string_view text) {
  PartPtr part(GMIME_OBJECT(g_mime_text_part_new_with_subtype(subtype)));
  g_mime_part_set_content(GMIME_PART(part.get()), wrap_content(with_crlf_line_breaks(text)).get());
  // A text part without a charset reads as US-ASCII; the draft's text is UTF-8.
  g_mime_text_part_set_charset(GMIME_TEXT_PART(part.get()), "utf-8");
  return part;
}

PartPtr multipart(const char* subtype, const std::vector<PartPtr>& parts) {
  PartPtr container(GMIME_OBJECT(g_mime_multipart_new_with_subtype(subtype)));
  for (const PartPtr& part : parts) g_mime_multipart_add(GMIME_MULTIPART(container.get()), part.get());
  return container;
}

PartPtr body_part(const DraftData& draft) {
  PartPtr plain = text_part("plain", draft.body);
  if (!draft.html_body) return plain;
  std::vector<PartPtr> alternatives;
  alternatives.push_back(std::move(plain));
  alternatives.push_back(text_part("html", *draft.html_body));
  return multipart("alternative", alternatives);
}

// Base64 whatever the type says, so that the file arrives byte for byte as attached.
PartPtr attachment_part(const DraftAttachment& attachment, std::string_view content) {
  const GObjectPtr<GMimeContentType> type(g_mime_content_type_parse(nullptr, attachment.mime.c_str()));
  PartPtr part(GMIME_OBJECT(g_mime_part_new()));
  g_mime_object_set_content_type(part.get(), type.get());
  g_mime_part_set_content(GMIME_PART(part.get()), wrap_content(content).get());
  g_mime_part_set_filename(GMIME_PART(part.get()), attachment.filename.c_str());
  g_mime_part_set_content_encoding(GMIME_PART(part.get()), GMIME_CONTENT_ENCODING_BASE64);
  return part;
}

PartPtr invitation_part(std::string_view ics) {
  PartPtr part = text_part("calendar", ics);
  g_mime_object_set_content_type_parameter(part.get(), "method", "REQUEST");
  g_mime_part_set_filename(GMIME_PART(part.get()), "invitation.ics");
  return part;
}

std::expected<PartPtr, std::string> content_part(const DraftData& draft, const orvo::storage::BlobStore& store) {
  std::vector<PartPtr> parts;
  parts.push_back(body_part(draft));
  for (const DraftAttachment& attachment : draft.attachments) {
    const auto content = load_attachment_content(store, attachment);
    if (!content) return std::unexpected(content.error());
    parts.push_back(attachment_part(attachment, *content));
  }
  if (draft.calendar_ics) parts.push_back(invitation_part(*draft.calendar_ics));
  if (parts.size() == 1) return std::move(parts.front());
  return multipart("mixed", parts);
}

void add_contacts(GMimeMessage* message, GMimeAddressType field, const std::vector<Contact>& contacts) {
  InternetAddressList* list = g_mime_message_get_addresses(message, field);
  for (const Contact& contact : contacts) {
    const std::string name = on_one_line(contact.name.value_or(""));
    const GObjectPtr<InternetAddress> mailbox(
        internet_address_mailbox_new(name.empty() ? nullptr : name.c_str(), on_one_line(contact.address).c_str()));
    internet_address_set_charset(mailbox.get(), "utf-8");
    internet_address_list_add(list, mailbox.get());
  }
}

// The sender's domain keeps the ids of this account's messages apart from everyone
// else's; a domain in Unicode is written in its ASCII form to keep the header 7-bit.
std::string message_id_domain(const Contact& sender) {
  const auto address = parse_bare_address(sender.address);
  if (!address) return fallback_domain;
  const GCharPtr ascii(g_hostname_to_ascii(address->substr(address->find('@') + 1).c_str()));
  return ascii ? ascii.get() : fallback_domain;
}

void set_headers(GMimeMessage* message, const Contact& sender, const DraftData& draft) {
  add_contacts(message, GMIME_ADDRESS_TYPE_FROM, {sender});
  add_contacts(message, GMIME_ADDRESS_TYPE_TO, split_address_list(draft.to));
  add_contacts(message, GMIME_ADDRESS_TYPE_CC, split_address_list(draft.cc));
  g_mime_message_set_subject(message, on_one_line(draft.subject).c_str(), "utf-8");
  const std::unique_ptr<GDateTime, Releaser<g_date_time_unref>> now(g_date_time_new_now_local());
  g_mime_message_set_date(message, now.get());
  // A random id keeps the message's size independent of when and where it was built.
  const std::string message_id = orvo::crypto::Uuid::random_v4().to_string() + "@" + message_id_domain(sender);
  g_mime_message_set_message_id(message, message_id.c_str());
}

std::expected<std::string, std::string> serialise(GMimeMessage* message) {
  g_mime_object_encode(GMIME_OBJECT(message), GMIME_ENCODING_CONSTRAINT_7BIT);
  const std::unique_ptr<GMimeFormatOptions, Releaser<g_mime_format_options_free>> options(
      g_mime_format_options_clone(nullptr));
  g_mime_format_options_set_newline_format(options.get(), GMIME_NEWLINE_FORMAT_DOS);
  const GObjectPtr<GMimeStream> stream(g_mime_stream_mem_new());
  if (g_mime_object_write_to_stream(GMIME_OBJECT(message), options.get(), stream.get()) < 0) {
    return std::unexpected("the message could not be assembled");
  }
  const GByteArray* bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(stream.get()));
  return std::string(reinterpret_cast<const char*>(bytes->data), bytes->len);
}

}  // namespace

Contact sender_of(const AccountConfig& account) {
  Contact sender{.address = std::string(message::trim_blanks(account.email))};
  if (const auto name = message::trim_blanks(account.display_name); !name.empty()) sender.name = std::string(name);
  return sender;
}

std::expected<std::string, std::string> build_message(const Contact& sender, const DraftData& draft,
                                                      const orvo::storage::BlobStore& store) {
  message::ensure_mime_library();
  const auto content = content_part(draft, store);
  if (!content) return std::unexpected(content.error());
  const GObjectPtr<GMimeMessage> message(g_mime_message_new(TRUE));
  set_headers(message.get(), sender, draft);
  g_mime_message_set_mime_part(message.get(), content->get());
  return serialise(message.get());
}

}  // namespace mail::engine::smtp
