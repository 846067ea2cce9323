#include "platform/ui/layout_tree.h"

#include <numeric>

namespace orvo::ui {
namespace {

double resolve(Dimension dimension, double parent, double fallback) {
  switch (dimension.unit) {
    case Dimension::Unit::Points: return dimension.value;
    case Dimension::Unit::Percent: return parent * dimension.value / 100;
    case Dimension::Unit::Auto: return fallback;
  }
  return fallback;
}

}  // namespace

NodeId LayoutTree::add_leaf(const LayoutStyle& style) { return add_node(style, {}); }

NodeId LayoutTree::add_node(const LayoutStyle& style, std::vector<NodeId> children) {
  nodes_.push_back({style, std::move(children), {}});
  return static_cast<NodeId>(nodes_.size() - 1);
}

void LayoutTree::compute(NodeId root, Size available) {
  const LayoutStyle& style = nodes_[root].style;
  const Size size{resolve(style.width, available.width, available.width),
                  resolve(style.height, available.height, available.height)};
  nodes_[root].frame = Rect::from_origin_size({}, size);
  place_children(root);
}

void LayoutTree::place_children(NodeId parent) {
  const Rect parent_frame = nodes_[parent].frame;
  const bool row = nodes_[parent].style.direction == FlexDirection::Row;
  const double main_size = row ? parent_frame.width() : parent_frame.height();
  const double cross_size = row ? parent_frame.height() : parent_frame.width();

  std::vector<NodeId> in_flow;
  for (NodeId child : nodes_[parent].children) {
    Node& node = nodes_[child];
    if (node.style.position == Position::Absolute) {
      const Size size{resolve(node.style.width, parent_frame.width(), parent_frame.width()),
                      resolve(node.style.height, parent_frame.height(), parent_frame.height())};
      node.frame = Rect::from_origin_size(node.style.offset, size);
      place_children(child);
    } else {
      in_flow.push_back(child);
    }
  }

  auto main_of = [&](const Node& node) {
    return resolve(row ? node.style.width : node.style.height, main_size, 0);
  };
  const double fixed = std::accumulate(in_flow.begin(), in_flow.end(), 0.0,
                                       [&](double sum, NodeId id) { return sum + main_of(nodes_[id]); });
  const double grow = std::accumulate(in_flow.begin(), in_flow.end(), 0.0,
                                      [&](double sum, NodeId id) { return sum + nodes_[id].style.flex_grow; });
  const double free_space = std::max(0.0, main_size - fixed);

  double cursor = 0;
  for (NodeId child : in_flow) {
    Node& node = nodes_[child];
    const double extra = grow > 0 ? free_space * node.style.flex_grow / grow : 0;
    const double main = main_of(node) + extra;
    const double cross = resolve(row ? node.style.height : node.style.width, cross_size, cross_size);
    node.frame = row ? Rect{cursor, 0, cursor + main, cross} : Rect{0, cursor, cross, cursor + main};
    cursor += main;
    place_children(child);
  }
}

Rect LayoutTree::layout(NodeId node) const { return nodes_[node].frame; }

const std::vector<NodeId>& LayoutTree::children(NodeId node) const { return nodes_[node].children; }

}  // namespace orvo::ui
