#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "message/message_record.h"

namespace mail::message {

// The minute a fetched message is listed under: the server's internal date when it gave
// one, else the message's own Date header, else the fallback (the time the sync started).
Minutes message_date(std::optional<std::int64_t> internal_date_seconds, std::string_view raw, Minutes fallback);

}  // namespace mail::message
