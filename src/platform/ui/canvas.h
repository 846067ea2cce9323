#pragma once

#include <optional>
#include <string_view>

#include "platform/ui/color.h"
#include "platform/ui/geometry.h"
#include "platform/ui/icon.h"
#include "platform/ui/image_store.h"
#include "platform/ui/text_renderer.h"
#include "platform/ui/text_style.h"

namespace orvo::ui {

// The 2D drawing surface handed to widgets. Coordinates are logical pixels.
class Canvas {
 public:
  virtual ~Canvas() = default;

  [[nodiscard]] virtual const TextRenderer& text() const = 0;

  virtual void fill_rect(const Rect& rect, Color color) = 0;
  virtual void fill_rounded_rect(const Rect& rect, double radius, Color color) = 0;
  virtual void stroke_rounded_rect(const Rect& rect, double radius, Color color, double width) = 0;
  virtual void fill_circle(Point center, double radius, Color color) = 0;
  // A line one device pixel wide.
  virtual void hairline(Point from, Point to, Color color) = 0;
  // A soft shadow around a rounded rectangle, `blur` wide.
  virtual void shadow(const Rect& rect, double radius, double blur, Color color) = 0;

  // One line of text whose top-left corner is `origin`, cut with "…" to `max_width`
  // when given. Returns the width drawn.
  virtual double draw_text(std::string_view text, Point origin, const TextStyle& style, Color color,
                           std::optional<double> max_width = std::nullopt) = 0;
  // The icon fills the largest square centred in `rect`.
  virtual void icon(Icon icon, const Rect& rect, Color color) = 0;
  virtual void image(const ImageStore& store, ImageId image, const Rect& rect, double corner_radius) = 0;

  // Drawing state, restored in last-in first-out order.
  virtual void save() = 0;
  virtual void restore() = 0;
  virtual void clip(const Rect& rect) = 0;
  virtual void translate(double dx, double dy) = 0;
  virtual void set_opacity(double opacity) = 0;
};

// Saves the canvas state for the length of a scope.
class CanvasState {
 public:
  explicit CanvasState(Canvas& canvas) : canvas_(canvas) { canvas_.save(); }
  ~CanvasState() { canvas_.restore(); }
  CanvasState(const CanvasState&) = delete;
  CanvasState& operator=(const CanvasState&) = delete;

 private:
  Canvas& canvas_;
};

}  // namespace orvo::ui
