#pragma once

#include <string>
#include <vector>

#include "platform/ui/canvas.h"

namespace orvo::ui::testing {

// Ten pixels per code point and twenty per line: geometry a test can work out by hand.
class FixedText final : public TextRenderer {
 public:
  static constexpr double advance = 10;
  static constexpr double line = 20;

 protected:
  double measure_line_height(const TextStyle&) const override { return line; }
  double measure_width(std::string_view text, const TextStyle&) const override {
    double width = 0;
    for (const char c : text) width += (static_cast<unsigned char>(c) & 0xC0) == 0x80 ? 0 : advance;
    return width;
  }
  std::string elide_scaled(std::string_view text, const TextStyle&, double) const override { return std::string(text); }
};

// Keeps what was drawn, in window coordinates (the widgets under test never translate).
class RecordingCanvas final : public Canvas {
 public:
  struct Text {
    std::string text;
    Point origin;
  };
  struct Fill {
    Rect rect;
    Color color;
  };
  struct Line {
    Point from;
    Point to;
  };

  [[nodiscard]] const TextRenderer& text() const override { return text_; }
  void fill_rect(const Rect& rect, Color color) override { fills.push_back({rect, color}); }
  void fill_rounded_rect(const Rect& rect, double, Color color) override { rounded.push_back({rect, color}); }
  void stroke_rounded_rect(const Rect&, double, Color, double) override {}
  void fill_circle(Point, double, Color) override {}
  void hairline(Point from, Point to, Color) override { lines.push_back({from, to}); }
  void shadow(const Rect&, double, double, Color) override {}
  double draw_text(std::string_view text, Point origin, const TextStyle& style, Color, std::optional<double>) override {
    texts.push_back({std::string(text), origin});
    return text_.width(text, style);
  }
  void icon(Icon, const Rect&, Color) override {}
  void image(const ImageStore&, ImageId, const Rect&, double) override {}
  void save() override {}
  void restore() override {}
  void clip(const Rect&) override {}
  void translate(double, double) override {}
  void set_opacity(double) override {}

  std::vector<Text> texts;
  std::vector<Fill> fills;
  std::vector<Fill> rounded;
  std::vector<Line> lines;

 private:
  FixedText text_;
};

}  // namespace orvo::ui::testing
