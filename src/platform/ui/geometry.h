#pragma once

#include <algorithm>

namespace orvo::ui {

// Logical pixels; the origin is the window's top-left corner.
struct Point {
  double x = 0;
  double y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  double width = 0;
  double height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Half-open: a point is inside when x0 <= x < x1 and y0 <= y < y1.
struct Rect {
  double x0 = 0;
  double y0 = 0;
  double x1 = 0;
  double y1 = 0;

  static constexpr Rect from_origin_size(Point origin, Size size) {
    return {origin.x, origin.y, origin.x + size.width, origin.y + size.height};
  }
  [[nodiscard]] constexpr double width() const { return x1 - x0; }
  [[nodiscard]] constexpr double height() const { return y1 - y0; }
  [[nodiscard]] constexpr Point origin() const { return {x0, y0}; }
  [[nodiscard]] constexpr Point center() const { return {(x0 + x1) / 2, (y0 + y1) / 2}; }
  [[nodiscard]] constexpr bool empty() const { return !(x1 > x0 && y1 > y0); }
  [[nodiscard]] constexpr bool contains(Point p) const { return x0 <= p.x && p.x < x1 && y0 <= p.y && p.y < y1; }
  [[nodiscard]] constexpr Rect inset(double by) const { return {x0 + by, y0 + by, x1 - by, y1 - by}; }
  [[nodiscard]] constexpr Rect translated(double dx, double dy) const { return {x0 + dx, y0 + dy, x1 + dx, y1 + dy}; }
  [[nodiscard]] constexpr Rect intersected(const Rect& other) const {
    return {std::max(x0, other.x0), std::max(y0, other.y0), std::min(x1, other.x1), std::min(y1, other.y1)};
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace orvo::ui
