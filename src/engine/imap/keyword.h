#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace mail::engine::imap {

// Keywords (OK, FETCH, NIL, system flags ...) are case-insensitive, and servers do
// send "* 3 fetch" or "\SEEN": they are compared in upper case, ASCII only.

constexpr char ascii_upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

inline std::string upper_case(std::string_view word) {
  std::string upper(word);
  std::ranges::transform(upper, upper.begin(), ascii_upper);
  return upper;
}

// `keyword` is given in upper case.
constexpr bool is_keyword(std::string_view word, std::string_view keyword) {
  return std::ranges::equal(word, keyword, [](char a, char b) { return ascii_upper(a) == b; });
}

}  // namespace mail::engine::imap
