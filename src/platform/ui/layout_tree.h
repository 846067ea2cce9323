#pragma once

#include <cstdint>
#include <vector>

#include "platform/ui/geometry.h"

namespace orvo::ui {

struct Dimension {
  enum class Unit : std::uint8_t { Auto, Points, Percent };
  Unit unit = Unit::Auto;
  double value = 0;

  static constexpr Dimension automatic() { return {}; }
  static constexpr Dimension points(double value) { return {Unit::Points, value}; }
  // 0–100, of the parent's content box.
  static constexpr Dimension percent(double value) { return {Unit::Percent, value}; }
};

enum class FlexDirection : std::uint8_t { Row, Column };
enum class Position : std::uint8_t { InFlow, Absolute };

// A small flexbox: children in flow are placed one after another along the main axis,
// keep their given size (none for `automatic`), share the space left over in
// proportion to `flex_grow`, and stretch across the cross axis unless sized.
// Absolute children sit at `offset` inside the parent and fill it unless sized.
struct LayoutStyle {
  Dimension width;
  Dimension height;
  FlexDirection direction = FlexDirection::Row;
  double flex_grow = 0;
  Position position = Position::InFlow;
  Point offset;
};

using NodeId = std::uint32_t;

class LayoutTree {
 public:
  NodeId add_leaf(const LayoutStyle& style);
  NodeId add_node(const LayoutStyle& style, std::vector<NodeId> children);

  // Lays out `root` and everything below it inside `available`.
  void compute(NodeId root, Size available);

  // Position relative to the parent node, and size, from the last `compute`.
  [[nodiscard]] Rect layout(NodeId node) const;
  [[nodiscard]] const std::vector<NodeId>& children(NodeId node) const;

  void clear() { nodes_.clear(); }

 private:
  struct Node {
    LayoutStyle style;
    std::vector<NodeId> children;
    Rect frame;
  };

  void place_children(NodeId parent);

  std::vector<Node> nodes_;
};

}  // namespace orvo::ui
