#pragma once

#include <string>
#include <string_view>

namespace mail::engine::imap {

// Standard Base64 with '=' padding, as SASL responses are sent.
std::string encode_base64(std::string_view bytes);

}  // namespace mail::engine::imap
