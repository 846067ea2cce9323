#pragma once

#include <cstdint>

#include "engine/imap/primitives.h"

namespace mail::engine::imap {

// date-time, as in INTERNALDATE: "17-Jul-1996 02:44:25 -0700", read as seconds since
// 1970-01-01 UTC. A day of one digit is accepted with or without its leading blank.
Parsed<std::int64_t> parse_date_time(Reader& reader);

}  // namespace mail::engine::imap
