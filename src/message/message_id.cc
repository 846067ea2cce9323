#include "message/message_id.h"

#include <array>

namespace mail::message {
namespace {

constexpr std::array<std::size_t, 4> hyphen_positions{8, 13, 18, 23};
constexpr std::size_t text_length = 36;

std::optional<unsigned> hex_value(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  return std::nullopt;
}

bool is_hyphen_position(std::size_t index) {
  for (std::size_t position : hyphen_positions) {
    if (index == position) return true;
  }
  return false;
}

}  // namespace

std::string MessageId::to_string() const {
  static constexpr char digits[] = "0123456789abcdef";
  std::string text;
  text.reserve(text_length);
  for (int nibble = 0; nibble < 32; ++nibble) {
    if (is_hyphen_position(text.size())) text += '-';
    const std::uint64_t half = nibble < 16 ? high : low;
    const int shift = 60 - 4 * (nibble % 16);
    text += digits[(half >> shift) & 0xf];
  }
  return text;
}

std::optional<MessageId> MessageId::parse(std::string_view text) {
  if (text.size() != text_length) return std::nullopt;
  MessageId id;
  int nibble = 0;
  for (std::size_t index = 0; index < text.size(); ++index) {
    if (is_hyphen_position(index)) {
      if (text[index] != '-') return std::nullopt;
      continue;
    }
    const auto value = hex_value(text[index]);
    if (!value) return std::nullopt;
    std::uint64_t& half = nibble < 16 ? id.high : id.low;
    half = (half << 4) | *value;
    ++nibble;
  }
  return id;
}

}  // namespace mail::message
