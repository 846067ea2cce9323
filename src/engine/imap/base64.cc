#include "engine/imap/base64.h"

#include <algorithm>
#include <cstdint>

namespace mail::engine::imap {
namespace {

constexpr std::string_view digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

std::string encode_base64(std::string_view bytes) {
  std::string encoded;
  encoded.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t index = 0; index < bytes.size(); index += 3) {
    const std::size_t count = std::min<std::size_t>(3, bytes.size() - index);
    std::uint32_t group = 0;
    for (std::size_t offset = 0; offset < 3; ++offset) {
      const auto byte = offset < count ? static_cast<unsigned char>(bytes[index + offset]) : 0u;
      group = group << 8 | byte;
    }
    for (std::size_t digit = 0; digit < 4; ++digit) {
      encoded += digit <= count ? digits[group >> (18 - 6 * digit) & 0x3f] : '=';
    }
  }
  return encoded;
}

}  // namespace mail::engine::imap
