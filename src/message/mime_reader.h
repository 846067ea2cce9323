#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "message/contact.h"

namespace mail::message {

// The one place that reads MIME: everything the program takes from a raw message, in plain
// types. All text is valid UTF-8 whatever charsets, encodings or broken bytes the message
// came with.

struct MimeAttachment {
  std::string filename;  // decoded; empty when the part names none
  std::vector<std::byte> content;
};

struct MimeContent {
  // Mailboxes in header order, groups opened up.
  std::vector<Contact> from;
  std::vector<Contact> to;
  std::vector<Contact> cc;
  std::optional<std::string> subject;  // absent without a Subject header, empty when it is
  std::optional<std::string> message_id;
  std::vector<std::string> references;
  std::vector<std::string> in_reply_to;
  // The first text body part, when it is plain text. When it is HTML instead (there is no
  // plain-text alternative beside it), it is always the first HTML body part below.
  std::optional<std::string> plain_body;
  std::optional<std::string> html_body;
  std::vector<MimeAttachment> attachments;
};

// Nothing when the bytes are not a message the MIME parser accepts.
std::optional<MimeContent> read_mime(std::string_view raw);

// The Date header in seconds since 1970-01-01 UTC; nothing when it is missing or unreadable.
std::optional<std::int64_t> read_date_header(std::string_view raw);

}  // namespace mail::message
