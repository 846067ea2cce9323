#include "message/message_id.h"

#include <array>

#include "message/ascii.h"
#include "platform/crypto/uuid.h"

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

constexpr std::uint64_t fnv_prime = 0x100000001b3ULL;
constexpr std::uint64_t fnv_offset_basis = 0xcbf29ce484222325ULL;
constexpr std::uint64_t second_basis = 0x0102030405060708ULL;

std::uint64_t fnv1a(std::string_view bytes, std::uint64_t basis) {
  std::uint64_t hash = basis;
  for (char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= fnv_prime;
  }
  return hash;
}

std::uint64_t big_endian_word(const std::array<std::uint8_t, 16>& bytes, std::size_t first) {
  std::uint64_t word = 0;
  for (std::size_t index = first; index < first + 8; ++index) word = (word << 8) | bytes[index];
  return word;
}

std::string_view without_brackets(std::string_view text) {
  text = trim_blanks(text);
  while (!text.empty() && text.front() == '<') text.remove_prefix(1);
  while (!text.empty() && text.back() == '>') text.remove_suffix(1);
  return text;
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

std::optional<MessageId> MessageId::from_message_id(std::string_view message_id) {
  const std::string_view key = without_brackets(message_id);
  if (key.empty()) return std::nullopt;
  return MessageId{.high = fnv1a(key, fnv_offset_basis), .low = fnv1a(key, second_basis)};
}

MessageId MessageId::random() {
  const orvo::crypto::Uuid uuid = orvo::crypto::Uuid::random_v4();
  return MessageId{.high = big_endian_word(uuid.bytes, 0), .low = big_endian_word(uuid.bytes, 8)};
}

}  // namespace mail::message
