#include "platform/search/utf8.h"

#include <algorithm>
#include <array>
#include <optional>

namespace orvo::search {
namespace {

// The length of the sequence a lead byte opens; 0 for bytes that cannot open one
// (continuations, and leads of overlong or out-of-range forms).
std::size_t sequence_length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool is_scalar_value(char32_t code_point, std::size_t length) {
  static constexpr std::array<char32_t, 5> shortest_form_minimum{0, 0, 0x80, 0x800, 0x10000};
  const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
  return code_point >= shortest_form_minimum[length] && code_point <= 0x10FFFF && !surrogate;
}

struct Decoded {
  char32_t code_point;
  std::size_t length;
};

// The code point that opens `text`, or nothing when the bytes there are malformed.
std::optional<Decoded> decode_front(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text.front());
  const std::size_t length = sequence_length(lead);
  if (length == 0 || text.size() < length) return std::nullopt;
  static constexpr std::array<unsigned char, 5> payload_bits{0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t code_point = lead & payload_bits[length];
  for (std::size_t i = 1; i < length; ++i) {
    if (!is_continuation_byte(text[i])) return std::nullopt;
    code_point = (code_point << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
  }
  if (!is_scalar_value(code_point, length)) return std::nullopt;
  return Decoded{code_point, length};
}

}  // namespace

char32_t pop_code_point(std::string_view& text) {
  const std::optional<Decoded> decoded = decode_front(text);
  text.remove_prefix(decoded ? decoded->length : 1);
  return decoded ? decoded->code_point : replacement_character;
}

void append_code_point(std::string& text, char32_t code_point) {
  auto put = [&](char32_t bits) { text.push_back(static_cast<char>(bits)); };
  if (code_point < 0x80) {
    put(code_point);
  } else if (code_point < 0x800) {
    put(0xC0 | (code_point >> 6));
    put(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    put(0xE0 | (code_point >> 12));
    put(0x80 | ((code_point >> 6) & 0x3F));
    put(0x80 | (code_point & 0x3F));
  } else {
    put(0xF0 | (code_point >> 18));
    put(0x80 | ((code_point >> 12) & 0x3F));
    put(0x80 | ((code_point >> 6) & 0x3F));
    put(0x80 | (code_point & 0x3F));
  }
}

std::size_t code_point_count(std::string_view text) {
  return static_cast<std::size_t>(std::ranges::count_if(text, [](char byte) { return !is_continuation_byte(byte); }));
}

}  // namespace orvo::search
