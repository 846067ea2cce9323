#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace mail::actions {

// Characters of UTF-8 text, counted by the bytes that start one.
inline std::size_t character_count(std::string_view text) {
  return static_cast<std::size_t>(
      std::ranges::count_if(text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace mail::actions
