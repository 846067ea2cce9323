#pragma once

#include <expected>
#include <string>
#include <string_view>

#include "message/delivery.h"
#include "message/message_record.h"

namespace mail::message {

// A raw RFC 5322 message as the record the window shows. Missing headers, bodies and
// names get defaults; only bytes that are not a message at all are refused.
std::expected<MessageRecord, std::string> parse_message(std::string_view raw, const Delivery& delivery);

}  // namespace mail::message
