#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mail::doc {

enum class TextMode : std::uint8_t {
  SingleLine = 0,  // every control character goes
  MultiLine = 1,   // tab, line feed and carriage return stay
};

// Text that reaches the mail document from any source, cleaned the same way: no
// control characters (U+0000–U+001F, U+007F–U+009F) but those the mode keeps, no
// white space at either end, and at most `max_characters` characters. Bytes that
// are not UTF-8 become U+FFFD, so the result always is UTF-8.
std::string normalize_text(std::string_view text, std::size_t max_characters, TextMode mode);

}  // namespace mail::doc
