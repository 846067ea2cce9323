#include "message/message_date.h"

#include "message/mime_reader.h"

namespace mail::message {
namespace {

// Rounded down, so that a second before 1970 falls in the minute before it too.
Minutes minute_of(std::int64_t seconds) {
  const std::int64_t quotient = seconds / 60;
  return (seconds % 60 < 0) ? quotient - 1 : quotient;
}

}  // namespace

Minutes message_date(std::optional<std::int64_t> internal_date_seconds, std::string_view raw, Minutes fallback) {
  if (internal_date_seconds) return minute_of(*internal_date_seconds);
  if (const auto header_seconds = read_date_header(raw)) return minute_of(*header_seconds);
  return fallback;
}

}  // namespace mail::message
