#pragma once

#include <string_view>

namespace mail::message {

// Header rules compare and trim in ASCII only: a message's other bytes are left as they are.

constexpr char ascii_lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool is_ascii_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

constexpr std::string_view trim_leading_blanks(std::string_view text) {
  while (!text.empty() && is_ascii_blank(text.front())) text.remove_prefix(1);
  return text;
}

constexpr std::string_view trim_blanks(std::string_view text) {
  text = trim_leading_blanks(text);
  while (!text.empty() && is_ascii_blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace mail::message
