#pragma once

#include <QFont>
#include <QImage>

#include "platform/ui/text_renderer.h"

namespace orvo::ui::qt {

// Text is laid out in a fixed 96-dpi space whatever the screen, so that measures and
// pictures are the same in a window, offscreen and in tests.
class QtTextRenderer final : public TextRenderer {
 public:
  QtTextRenderer();

  [[nodiscard]] static QFont font_for(const TextStyle& scaled_style);
  [[nodiscard]] const QImage& reference_device() const { return reference_; }

 protected:
  double measure_line_height(const TextStyle& scaled_style) const override;
  double measure_width(std::string_view text, const TextStyle& scaled_style) const override;
  std::string elide_scaled(std::string_view text, const TextStyle& scaled_style, double max_width) const override;

 private:
  QImage reference_;
};

QString to_qstring(std::string_view text);

}  // namespace orvo::ui::qt
