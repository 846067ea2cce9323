#pragma once

#include <expected>
#include <string>
#include <string_view>

#include "engine/imap/response.h"

namespace mail::engine::imap {

// One complete response — a continuation request, untagged data or a tagged
// completion — from its first byte through its final CRLF, literals included.
std::expected<Response, std::string> parse_response(std::string_view bytes);

}  // namespace mail::engine::imap
