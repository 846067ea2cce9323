#pragma once

#include <cstdint>

namespace orvo::ui {

enum class FontWeight : std::uint8_t { Regular = 0, Medium = 1, Semibold = 2, Bold = 3 };

// A size in logical pixels before the text scale is applied.
struct TextStyle {
  double size = 13.5;
  FontWeight weight = FontWeight::Regular;
  friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// The theme's six type styles, from the smallest (0, captions) to the largest (5, display).
struct Typography {
  static TextStyle style(int level);
};

}  // namespace orvo::ui
