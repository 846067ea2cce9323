#pragma once

#include <string>
#include <string_view>

#include "platform/ui/text_style.h"

namespace orvo::ui {

// Measures single lines of text. Every size is multiplied by the text scale.
class TextRenderer {
 public:
  virtual ~TextRenderer() = default;

  void set_scale(double scale) { scale_ = scale; }
  [[nodiscard]] double scale() const { return scale_; }
  [[nodiscard]] TextStyle scaled(TextStyle style) const {
    style.size *= scale_;
    return style;
  }

  // The line height of the sample text "Ag".
  [[nodiscard]] double line_height(const TextStyle& style) const { return measure_line_height(scaled(style)); }
  [[nodiscard]] double width(std::string_view text, const TextStyle& style) const {
    return measure_width(text, scaled(style));
  }
  // The text cut with "…" so that it fits in `max_width`; unchanged when it fits.
  [[nodiscard]] std::string elide(std::string_view text, const TextStyle& style, double max_width) const {
    return elide_scaled(text, scaled(style), max_width);
  }

 protected:
  virtual double measure_line_height(const TextStyle& scaled_style) const = 0;
  virtual double measure_width(std::string_view text, const TextStyle& scaled_style) const = 0;
  virtual std::string elide_scaled(std::string_view text, const TextStyle& scaled_style, double max_width) const = 0;

 private:
  double scale_ = 1;
};

}  // namespace orvo::ui
