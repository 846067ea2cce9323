#include "platform/crypto/uuid.h"

#include <openssl/rand.h>

#include <cstdlib>

namespace orvo::crypto {

Uuid Uuid::random_v4() {
  Uuid uuid;
  // The system's generator failing means nothing random can be trusted; carrying on
  // with predictable identifiers would be worse than stopping.
  if (RAND_bytes(uuid.bytes.data(), static_cast<int>(uuid.bytes.size())) != 1) std::abort();
  uuid.bytes[6] = static_cast<std::uint8_t>((uuid.bytes[6] & 0x0f) | 0x40);
  uuid.bytes[8] = static_cast<std::uint8_t>((uuid.bytes[8] & 0x3f) | 0x80);
  return uuid;
}

std::string Uuid::to_string() const {
  static constexpr char digits[] = "0123456789abcdef";
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
    text += digits[bytes[i] >> 4];
    text += digits[bytes[i] & 0xf];
  }
  return text;
}

}  // namespace orvo::crypto
