#pragma once

#include <QPainter>

#include "platform/ui/canvas.h"
#include "platform/ui/qt/qt_text_renderer.h"

namespace orvo::ui::qt {

class QtCanvas final : public Canvas {
 public:
  QtCanvas(QPainter& painter, const QtTextRenderer& text);

  [[nodiscard]] const TextRenderer& text() const override { return text_; }

  void fill_rect(const Rect& rect, Color color) override;
  void fill_rounded_rect(const Rect& rect, double radius, Color color) override;
  void stroke_rounded_rect(const Rect& rect, double radius, Color color, double width) override;
  void fill_circle(Point center, double radius, Color color) override;
  void hairline(Point from, Point to, Color color) override;
  void shadow(const Rect& rect, double radius, double blur, Color color) override;
  double draw_text(std::string_view text, Point origin, const TextStyle& style, Color color,
                   std::optional<double> max_width) override;
  void icon(Icon icon, const Rect& rect, Color color) override;
  void image(const ImageStore& store, ImageId image, const Rect& rect, double corner_radius) override;

  void save() override { painter_.save(); }
  void restore() override { painter_.restore(); }
  void clip(const Rect& rect) override;
  void translate(double dx, double dy) override { painter_.translate(dx, dy); }
  void set_opacity(double opacity) override { painter_.setOpacity(painter_.opacity() * opacity); }

 private:
  QPainter& painter_;
  const QtTextRenderer& text_;
};

}  // namespace orvo::ui::qt
