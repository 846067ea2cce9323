#pragma once

#include <cstdint>
#include <string>

#include "message/draft_data.h"

namespace mail::doc {

// A valid staged attachment; `n` picks its content.
inline message::DraftAttachment attachment(int n, std::uint64_t size = 1000) {
  std::string key = std::to_string(n);
  key.insert(0, 64 - key.size(), 'a');
  return {.content_id = "mail-attachment:blake3:" + key,
          .filename = "file-" + std::to_string(n) + ".pdf",
          .mime = "application/pdf",
          .size = size};
}

inline const std::string invitation =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nMETHOD:REQUEST\r\nBEGIN:VEVENT\r\nSUMMARY:Planning\r\nEND:VEVENT\r\n"
    "END:VCALENDAR\r\n";

}  // namespace mail::doc
