#include "message/mime_reader.h"

#include <gmime/gmime.h>

#include <algorithm>
#include <memory>

#include "message/mime_library.h"

namespace mail::message {
namespace {

struct ObjectUnref {
  void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using Ref = std::unique_ptr<T, ObjectUnref>;

struct Free {
  void operator()(char* text) const { g_free(text); }
};
using OwnedText = std::unique_ptr<char, Free>;

struct ReferencesFree {
  void operator()(GMimeReferences* references) const { g_mime_references_free(references); }
};
using OwnedReferences = std::unique_ptr<GMimeReferences, ReferencesFree>;

// The parsed message reads its parts' content from the source stream on demand, so the
// stream (which owns a copy of the bytes) is kept beside it and released after it.
struct ParsedMessage {
  Ref<GMimeStream> source;
  Ref<GMimeMessage> message;
};

std::optional<ParsedMessage> parse(std::string_view raw) {
  ensure_mime_library();
  Ref<GMimeStream> source(g_mime_stream_mem_new_with_buffer(raw.data(), raw.size()));
  const Ref<GMimeParser> parser(g_mime_parser_new_with_stream(source.get()));
  Ref<GMimeMessage> message(g_mime_parser_construct_message(parser.get(), nullptr));
  if (!message) return std::nullopt;
  return ParsedMessage{.source = std::move(source), .message = std::move(message)};
}

std::string valid_utf8(std::string_view bytes) {
  if (g_utf8_validate(bytes.data(), static_cast<gssize>(bytes.size()), nullptr)) return std::string(bytes);
  const OwnedText repaired(g_utf8_make_valid(bytes.data(), static_cast<gssize>(bytes.size())));
  return repaired.get();
}

std::string utf8(const char* text) { return text == nullptr ? std::string() : valid_utf8(text); }

std::optional<std::string> convert_to_utf8(std::string_view bytes, const char* charset) {
  const iconv_t converter = g_mime_iconv_open("UTF-8", charset);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  const OwnedText converted(g_mime_iconv_strndup(converter, bytes.data(), bytes.size()));
  g_mime_iconv_close(converter);
  if (!converted) return std::nullopt;
  return std::string(converted.get());
}

bool names_utf8(const char* charset) {
  return g_ascii_strcasecmp(g_mime_charset_iconv_name(charset), "UTF-8") == 0;
}

// A UTF-8 part keeps its good text around a broken byte. Without a charset, with one iconv
// does not know, or with bytes that are not in it, GMime's best guess over its fallback
// charsets stands in.
std::string text_in_utf8(std::string_view bytes, const char* charset) {
  if (bytes.empty()) return {};
  if (charset != nullptr && names_utf8(charset)) return valid_utf8(bytes);
  if (charset != nullptr) {
    if (auto converted = convert_to_utf8(bytes, charset)) return valid_utf8(*converted);
  }
  const OwnedText guessed(g_mime_utils_decode_8bit(nullptr, bytes.data(), bytes.size()));
  return utf8(guessed.get());
}

Contact contact_of(InternetAddress* mailbox) {
  const char* name = internet_address_get_name(mailbox);
  Contact contact{.address = utf8(internet_address_mailbox_get_addr(INTERNET_ADDRESS_MAILBOX(mailbox)))};
  if (name != nullptr && *name != '\0') contact.name = utf8(name);
  return contact;
}

// Group members are plain mailboxes; a group inside a group is not valid and is skipped.
void append_mailboxes(InternetAddressList* list, std::vector<Contact>& contacts, bool in_group) {
  if (list == nullptr) return;
  for (int index = 0; index < internet_address_list_length(list); ++index) {
    InternetAddress* address = internet_address_list_get_address(list, index);
    if (INTERNET_ADDRESS_IS_MAILBOX(address)) contacts.push_back(contact_of(address));
    if (INTERNET_ADDRESS_IS_GROUP(address) && !in_group) {
      append_mailboxes(internet_address_group_get_members(INTERNET_ADDRESS_GROUP(address)), contacts, true);
    }
  }
}

std::vector<Contact> mailboxes(GMimeMessage* message, GMimeAddressType field) {
  std::vector<Contact> contacts;
  append_mailboxes(g_mime_message_get_addresses(message, field), contacts, false);
  return contacts;
}

std::optional<std::string> subject_of(GMimeMessage* message) {
  if (!g_mime_header_list_contains(g_mime_object_get_header_list(GMIME_OBJECT(message)), "Subject")) {
    return std::nullopt;
  }
  return utf8(g_mime_message_get_subject(message));
}

std::optional<std::string> message_id_of(GMimeMessage* message) {
  const char* id = g_mime_message_get_message_id(message);
  if (id == nullptr) return std::nullopt;
  return utf8(id);
}

std::vector<std::string> message_ids_in(GMimeMessage* message, const char* header) {
  const char* value = g_mime_object_get_header(GMIME_OBJECT(message), header);
  if (value == nullptr) return {};
  const OwnedReferences references(g_mime_references_parse(nullptr, value));
  std::vector<std::string> ids;
  for (int index = 0; references && index < g_mime_references_length(references.get()); ++index) {
    ids.push_back(utf8(g_mime_references_get_message_id(references.get(), index)));
  }
  return ids;
}

// The parts a message is read through, in message order.
struct PartLists {
  std::vector<GMimePart*> text_bodies;
  std::vector<GMimePart*> html_bodies;
  std::vector<GMimeObject*> attachments;
};

bool is_text(GMimeObject* object, const char* subtype) {
  return g_mime_content_type_is_type(g_mime_object_get_content_type(object), "text", subtype);
}

bool is_plain(GMimePart* part) { return is_text(GMIME_OBJECT(part), "plain"); }

bool is_attachment(GMimeObject* object) {
  GMimeContentDisposition* disposition = g_mime_object_get_content_disposition(object);
  return disposition != nullptr && g_mime_content_disposition_is_attachment(disposition);
}

void collect_parts(GMimeObject* object, PartLists& lists);

void collect_children(GMimeMultipart* multipart, PartLists& lists) {
  for (int index = 0; index < g_mime_multipart_get_count(multipart); ++index) {
    collect_parts(g_mime_multipart_get_part(multipart, index), lists);
  }
}

// Alternatives say one thing twice: the plain version is the text body, and the HTML
// version stands in for it only when there is no plain one.
void collect_alternatives(GMimeMultipart* alternative, PartLists& lists) {
  PartLists inner;
  collect_children(alternative, inner);
  const bool has_plain = std::ranges::any_of(inner.text_bodies, is_plain);
  for (GMimePart* part : inner.text_bodies) {
    if (!has_plain || is_plain(part)) lists.text_bodies.push_back(part);
  }
  std::ranges::copy(inner.html_bodies, std::back_inserter(lists.html_bodies));
  std::ranges::copy(inner.attachments, std::back_inserter(lists.attachments));
}

void collect_leaf(GMimePart* part, PartLists& lists) {
  GMimeObject* object = GMIME_OBJECT(part);
  const bool html = is_text(object, "html");
  if (is_attachment(object) || !(html || is_plain(part))) {
    lists.attachments.push_back(object);
    return;
  }
  lists.text_bodies.push_back(part);
  if (html) lists.html_bodies.push_back(part);
}

// GMime stops nesting at a fixed depth, so this recursion is bounded.
void collect_parts(GMimeObject* object, PartLists& lists) {
  if (GMIME_IS_MULTIPART(object)) {
    GMimeMultipart* multipart = GMIME_MULTIPART(object);
    const bool alternative =
        g_mime_content_type_is_type(g_mime_object_get_content_type(object), "multipart", "alternative");
    alternative ? collect_alternatives(multipart, lists) : collect_children(multipart, lists);
  } else if (GMIME_IS_PART(object)) {
    collect_leaf(GMIME_PART(object), lists);
  } else if (GMIME_IS_MESSAGE_PART(object)) {
    lists.attachments.push_back(object);  // a forwarded message travels as it came
  }
}

// The content with its transfer encoding undone, in a memory stream.
Ref<GMimeStream> decoded_content(GMimeObject* object) {
  Ref<GMimeStream> sink(g_mime_stream_mem_new());
  if (GMIME_IS_PART(object)) {
    if (GMimeDataWrapper* content = g_mime_part_get_content(GMIME_PART(object))) {
      g_mime_data_wrapper_write_to_stream(content, sink.get());
    }
  } else if (GMimeMessage* embedded = g_mime_message_part_get_message(GMIME_MESSAGE_PART(object))) {
    g_mime_object_write_to_stream(GMIME_OBJECT(embedded), nullptr, sink.get());
  }
  return sink;
}

std::string_view bytes_of(GMimeStream* memory) {
  const GByteArray* array = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(memory));
  return {reinterpret_cast<const char*>(array->data), array->len};
}

// Text travels with CR LF line ends; the program's text uses LF alone.
std::string with_unix_newlines(std::string text) {
  std::size_t kept = 0;
  for (std::size_t index = 0; index < text.size(); ++index) {
    const bool ends_crlf = text[index] == '\r' && index + 1 < text.size() && text[index + 1] == '\n';
    if (!ends_crlf) text[kept++] = text[index];
  }
  text.resize(kept);
  return text;
}

std::string text_of(GMimePart* part) {
  const Ref<GMimeStream> content = decoded_content(GMIME_OBJECT(part));
  const char* charset = g_mime_object_get_content_type_parameter(GMIME_OBJECT(part), "charset");
  return with_unix_newlines(text_in_utf8(bytes_of(content.get()), charset));
}

std::string filename_of(GMimeObject* object) {
  const char* name = g_mime_object_get_content_disposition_parameter(object, "filename");
  if (name == nullptr || *name == '\0') name = g_mime_object_get_content_type_parameter(object, "name");
  return utf8(name);
}

MimeAttachment attachment_of(GMimeObject* object) {
  const Ref<GMimeStream> content = decoded_content(object);
  const std::string_view bytes = bytes_of(content.get());
  const auto* first = reinterpret_cast<const std::byte*>(bytes.data());
  return {.filename = filename_of(object), .content = std::vector<std::byte>(first, first + bytes.size())};
}

void read_parts(GMimeMessage* message, MimeContent& content) {
  GMimeObject* body = g_mime_message_get_mime_part(message);
  if (body == nullptr) return;
  PartLists lists;
  collect_parts(body, lists);
  if (!lists.text_bodies.empty() && is_plain(lists.text_bodies.front())) {
    content.plain_body = text_of(lists.text_bodies.front());
  }
  if (!lists.html_bodies.empty()) content.html_body = text_of(lists.html_bodies.front());
  std::ranges::transform(lists.attachments, std::back_inserter(content.attachments), attachment_of);
}

// Only the header block is handed over for a date: a large attachment need not be read.
std::string_view header_block(std::string_view raw) {
  const std::size_t end = std::min(raw.find("\n\n"), raw.find("\n\r\n"));
  return end == std::string_view::npos ? raw : raw.substr(0, end + 1);
}

}  // namespace

std::optional<MimeContent> read_mime(std::string_view raw) {
  const auto parsed = parse(raw);
  if (!parsed) return std::nullopt;
  GMimeMessage* message = parsed->message.get();
  MimeContent content{
      .from = mailboxes(message, GMIME_ADDRESS_TYPE_FROM),
      .to = mailboxes(message, GMIME_ADDRESS_TYPE_TO),
      .cc = mailboxes(message, GMIME_ADDRESS_TYPE_CC),
      .subject = subject_of(message),
      .message_id = message_id_of(message),
      .references = message_ids_in(message, "References"),
      .in_reply_to = message_ids_in(message, "In-Reply-To"),
  };
  read_parts(message, content);
  return content;
}

std::optional<std::int64_t> read_date_header(std::string_view raw) {
  const auto parsed = parse(header_block(raw));
  if (!parsed) return std::nullopt;
  GDateTime* date = g_mime_message_get_date(parsed->message.get());
  if (date == nullptr) return std::nullopt;
  return g_date_time_to_unix(date);
}

}  // namespace mail::message
