#pragma once

#include <string>
#include <string_view>

#include "platform/ui/text_renderer.h"

namespace mail::draw {

// Every character is 10 wide whatever its size or its length in UTF-8, so expected
// layouts can be counted by hand; a line is 2 higher than its size.
class FixedWidthText : public orvo::ui::TextRenderer {
 public:
  static constexpr double character_width = 10;

 protected:
  double measure_line_height(const orvo::ui::TextStyle& style) const override { return style.size + 2; }
  double measure_width(std::string_view text, const orvo::ui::TextStyle&) const override {
    double width = 0;
    for (char c : text) {
      if ((static_cast<unsigned char>(c) & 0xc0) != 0x80) width += character_width;
    }
    return width;
  }
  std::string elide_scaled(std::string_view text, const orvo::ui::TextStyle&, double) const override {
    return std::string(text);
  }
};

}  // namespace mail::draw
