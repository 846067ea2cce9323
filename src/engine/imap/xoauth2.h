#pragma once

#include <expected>
#include <string>
#include <string_view>

namespace mail::engine::imap {

// The line that answers the server's continuation request after AUTHENTICATE XOAUTH2:
// the SASL initial response "user=...^Aauth=Bearer ...^A^A" in Base64, with CRLF.
// A user name or token holding a control character is refused, as it could forge the
// response's fields.
std::expected<std::string, std::string> xoauth2_response(std::string_view user, std::string_view access_token);

// When the server refuses the token it first sends a continuation request carrying a
// Base64 JSON error; the client answers with this empty line and then gets the tagged NO.
inline constexpr std::string_view xoauth2_error_acknowledgement = "\r\n";

}  // namespace mail::engine::imap
