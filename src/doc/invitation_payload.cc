#include "doc/invitation_payload.h"

#include <cstddef>

namespace mail::doc {
namespace {

constexpr std::size_t max_payload_size = 262'144;

std::size_t occurrences(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

}  // namespace

bool is_invitation_payload(std::string_view payload) {
  return payload.size() <= max_payload_size && !payload.contains('\0') && payload.starts_with("BEGIN:VCALENDAR\r\n") &&
         payload.contains("\r\nMETHOD:REQUEST\r\n") && occurrences(payload, "BEGIN:VEVENT") == 1 &&
         payload.ends_with("END:VCALENDAR\r\n");
}

}  // namespace mail::doc
