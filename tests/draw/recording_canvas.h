#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/ui/canvas.h"

namespace mail::draw {

struct DrawnText {
  std::string text;
  orvo::ui::Point origin;
  orvo::ui::TextStyle style;
  orvo::ui::Color color;
  friend bool operator==(const DrawnText&, const DrawnText&) = default;
  friend void PrintTo(const DrawnText& drawn, std::ostream* out) {
    *out << '"' << drawn.text << "\" at (" << drawn.origin.x << ", " << drawn.origin.y << ") size " << drawn.style.size;
  }
};

struct DrawnShape {
  orvo::ui::Rect rect;
  double radius = 0;
  orvo::ui::Color color;
  friend bool operator==(const DrawnShape&, const DrawnShape&) = default;
};

struct DrawnIcon {
  orvo::ui::Icon icon;
  orvo::ui::Rect rect;
  orvo::ui::Color color;
  friend bool operator==(const DrawnIcon&, const DrawnIcon&) = default;
};

// Keeps what was drawn on it, in order, for a test to compare with what it expects.
class RecordingCanvas : public orvo::ui::Canvas {
 public:
  explicit RecordingCanvas(const orvo::ui::TextRenderer& text) : text_(text) {}

  [[nodiscard]] const orvo::ui::TextRenderer& text() const override { return text_; }

  void fill_rect(const orvo::ui::Rect& rect, orvo::ui::Color color) override { cards.push_back({rect, 0, color}); }
  void fill_rounded_rect(const orvo::ui::Rect& rect, double radius, orvo::ui::Color color) override {
    cards.push_back({rect, radius, color});
  }
  void stroke_rounded_rect(const orvo::ui::Rect&, double, orvo::ui::Color, double) override {}
  void fill_circle(orvo::ui::Point, double, orvo::ui::Color) override {}
  void hairline(orvo::ui::Point, orvo::ui::Point, orvo::ui::Color) override {}
  void shadow(const orvo::ui::Rect& rect, double radius, double, orvo::ui::Color color) override {
    shadows.push_back({rect, radius, color});
  }
  double draw_text(std::string_view text, orvo::ui::Point origin, const orvo::ui::TextStyle& style,
                   orvo::ui::Color color, std::optional<double>) override {
    texts.push_back({std::string(text), origin, style, color});
    return text_.width(text, style);
  }
  void icon(orvo::ui::Icon icon, const orvo::ui::Rect& rect, orvo::ui::Color color) override {
    icons.push_back({icon, rect, color});
  }
  void image(const orvo::ui::ImageStore&, orvo::ui::ImageId, const orvo::ui::Rect&, double) override {}
  void save() override {}
  void restore() override {}
  void clip(const orvo::ui::Rect& rect) override { clips.push_back(rect); }
  void translate(double, double) override {}
  void set_opacity(double) override {}

  std::vector<DrawnShape> cards;
  std::vector<DrawnShape> shadows;
  std::vector<DrawnText> texts;
  std::vector<DrawnIcon> icons;
  std::vector<orvo::ui::Rect> clips;

 private:
  const orvo::ui::TextRenderer& text_;
};

}  // namespace mail::draw
