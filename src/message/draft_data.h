#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mail::message {

// One staged attachment of a draft; its content lives in the blob store.
struct DraftAttachment {
  std::string content_id;  // "mail-attachment:blake3:" followed by the store key
  std::string filename;
  std::string mime;
  std::uint64_t size = 0;
  friend bool operator==(const DraftAttachment&, const DraftAttachment&) = default;
};

// A message being composed. Address fields hold the text as typed.
struct DraftData {
  std::string to;
  std::string cc;
  std::string bcc;
  std::string subject;
  std::string body;
  std::optional<std::string> html_body;     // none for plain-text drafts
  std::optional<std::string> calendar_ics;  // a prepared invitation
  std::vector<DraftAttachment> attachments;
  friend bool operator==(const DraftData&, const DraftData&) = default;
};

}  // namespace mail::message
