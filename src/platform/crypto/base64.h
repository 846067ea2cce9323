#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvo::crypto {

// Standard Base64 (alphabet A–Z a–z 0–9 + /), padded with "=".
[[nodiscard]] std::string base64_encode(std::string_view bytes);

// The bytes behind padded standard Base64, or nothing when `text` is not exactly that:
// no blanks or line breaks, "=" only as the final padding, and unused bits zero, so
// every byte sequence has a single accepted spelling.
[[nodiscard]] std::optional<std::string> base64_decode(std::string_view text);

}  // namespace orvo::crypto
