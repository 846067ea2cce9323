#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "message/contact.h"
#include "message/folder_kind.h"
#include "message/message_id.h"

namespace mail::message {

struct AttachmentRecord {
  std::string filename;
  std::string mime_type;
  std::vector<std::byte> content;        // empty when not downloaded
  std::optional<std::string> content_ref;  // the stored content, when staged
  std::uint64_t size = 0;
  bool downloaded = false;
};

// Minutes since 1970-01-01 00:00 UTC.
using Minutes = std::int64_t;

// One message as delivered and as the store keeps it.
struct MessageRecord {
  Contact from;
  std::vector<Contact> to;
  std::vector<Contact> cc;
  std::string subject;
  std::string body;
  std::vector<AttachmentRecord> attachments;
  std::vector<std::string> labels;
  std::optional<std::string> message_id;
  std::optional<std::string> thread_ref;
  std::optional<std::string> html_body;
  MessageId id;
  Minutes date = 0;
  bool read = false;
  bool starred = false;
  FolderKind folder = FolderKind::Inbox;
};

}  // namespace mail::message
