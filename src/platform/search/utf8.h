#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvo::search {

inline constexpr char32_t replacement_character = 0xFFFD;

// Bytes after the first of a multi-byte sequence; every other byte starts a code point.
constexpr bool is_continuation_byte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// Takes the first code point off `text`, which must not be empty. A malformed sequence gives
// the replacement character and loses only its first byte, so one broken byte never swallows
// the text that follows it.
char32_t pop_code_point(std::string_view& text);

void append_code_point(std::string& text, char32_t code_point);

// The number of code points in valid UTF-8.
std::size_t code_point_count(std::string_view text);

}  // namespace orvo::search
