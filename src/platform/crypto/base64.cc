#include "platform/crypto/base64.h"

#include <algorithm>
#include <cstdint>

namespace orvo::crypto {
namespace {

constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t group_bytes = 3;
constexpr std::size_t quantum_chars = 4;

std::uint32_t byte_at(std::string_view bytes, std::size_t index) {
  return index < bytes.size() ? static_cast<unsigned char>(bytes[index]) : 0;
}

std::optional<std::uint32_t> sextet_value(char c) {
  const std::size_t value = alphabet.find(c);
  if (value == std::string_view::npos) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

std::size_t padding_of(std::string_view quantum) {
  if (quantum.ends_with("==")) return 2;
  return quantum.ends_with('=') ? 1 : 0;
}

// Appends the bytes of one four-character quantum; false when it is malformed.
bool decode_quantum(std::string_view quantum, std::string& bytes) {
  const std::size_t padding = padding_of(quantum);
  std::uint32_t bits = 0;
  for (std::size_t index = 0; index < quantum_chars - padding; ++index) {
    const auto value = sextet_value(quantum[index]);
    if (!value) return false;
    bits |= *value << (18 - 6 * index);
  }
  const std::uint32_t unused_bits = (std::uint32_t{1} << (8 * padding)) - 1;
  if ((bits & unused_bits) != 0) return false;
  for (std::size_t index = 0; index < group_bytes - padding; ++index) {
    bytes += static_cast<char>((bits >> (16 - 8 * index)) & 0xff);
  }
  return true;
}

}  // namespace

std::string base64_encode(std::string_view bytes) {
  std::string text;
  text.reserve((bytes.size() + group_bytes - 1) / group_bytes * quantum_chars);
  for (std::size_t at = 0; at < bytes.size(); at += group_bytes) {
    const std::size_t present = std::min(group_bytes, bytes.size() - at);
    const std::uint32_t bits = byte_at(bytes, at) << 16 | byte_at(bytes, at + 1) << 8 | byte_at(bytes, at + 2);
    // n bytes fill n + 1 characters; the rest of the quantum is padding.
    for (std::size_t index = 0; index < quantum_chars; ++index) {
      text += index <= present ? alphabet[(bits >> (18 - 6 * index)) & 0x3f] : '=';
    }
  }
  return text;
}

std::optional<std::string> base64_decode(std::string_view text) {
  if (text.size() % quantum_chars != 0) return std::nullopt;
  std::string bytes;
  bytes.reserve(text.size() / quantum_chars * group_bytes);
  for (std::size_t at = 0; at < text.size(); at += quantum_chars) {
    const std::string_view quantum = text.substr(at, quantum_chars);
    const bool last = at + quantum_chars == text.size();
    if (!last && padding_of(quantum) != 0) return std::nullopt;
    if (!decode_quantum(quantum, bytes)) return std::nullopt;
  }
  return bytes;
}

}  // namespace orvo::crypto
