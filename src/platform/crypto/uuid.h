#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvo::crypto {

// A random version-4 universally unique identifier.
struct Uuid {
  std::array<std::uint8_t, 16> bytes{};

  static Uuid random_v4();
  // Hyphenated lower-case hexadecimal, 8-4-4-4-12.
  [[nodiscard]] std::string to_string() const;
  friend auto operator<=>(const Uuid&, const Uuid&) = default;
};

}  // namespace orvo::crypto
