#pragma once

#include <cstdint>

namespace orvo::ui {

struct Color {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 255;

  // 0xRRGGBB
  static constexpr Color rgb(std::uint32_t hex) {
    return {static_cast<std::uint8_t>(hex >> 16), static_cast<std::uint8_t>(hex >> 8), static_cast<std::uint8_t>(hex),
            255};
  }
  [[nodiscard]] constexpr Color with_alpha(double alpha) const {
    const double clamped = alpha < 0 ? 0 : (alpha > 1 ? 1 : alpha);
    return {r, g, b, static_cast<std::uint8_t>(clamped * 255 + 0.5)};
  }
  friend bool operator==(const Color&, const Color&) = default;
};

}  // namespace orvo::ui
