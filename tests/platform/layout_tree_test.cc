#include "platform/ui/layout_tree.h"

#include <gtest/gtest.h>

namespace orvo::ui {
namespace {

TEST(LayoutTree, RowSharesLeftoverSpaceByGrowAndStretchesAcross) {
  LayoutTree tree;
  const NodeId fixed = tree.add_leaf({.width = Dimension::points(100)});
  const NodeId one = tree.add_leaf({.flex_grow = 1});
  const NodeId three = tree.add_leaf({.height = Dimension::percent(50), .flex_grow = 3});
  const NodeId root = tree.add_node({}, {fixed, one, three});
  tree.compute(root, {500, 200});

  EXPECT_EQ(tree.layout(root), (Rect{0, 0, 500, 200}));
  EXPECT_EQ(tree.layout(fixed), (Rect{0, 0, 100, 200}));
  EXPECT_EQ(tree.layout(one), (Rect{100, 0, 200, 200}));
  EXPECT_EQ(tree.layout(three), (Rect{200, 0, 500, 100}));
}

TEST(LayoutTree, ColumnsAndAbsoluteChildrenNest) {
  LayoutTree tree;
  const NodeId header = tree.add_leaf({.height = Dimension::points(56)});
  const NodeId body = tree.add_leaf({.flex_grow = 1});
  const NodeId overlay_child = tree.add_leaf({.width = Dimension::percent(100), .height = Dimension::percent(100)});
  const NodeId overlay = tree.add_node({.width = Dimension::points(40),
                                        .height = Dimension::points(30),
                                        .position = Position::Absolute,
                                        .offset = {10, 20}},
                                       {overlay_child});
  const NodeId root =
      tree.add_node({.width = Dimension::percent(50), .direction = FlexDirection::Column}, {header, body, overlay});
  tree.compute(root, {800, 600});

  EXPECT_EQ(tree.layout(root), (Rect{0, 0, 400, 600}));
  EXPECT_EQ(tree.layout(header), (Rect{0, 0, 400, 56}));
  EXPECT_EQ(tree.layout(body), (Rect{0, 56, 400, 600}));
  EXPECT_EQ(tree.layout(overlay), (Rect{10, 20, 50, 50}));
  EXPECT_EQ(tree.layout(overlay_child), (Rect{0, 0, 40, 30}));
}

TEST(LayoutTree, OverfullRowDoesNotGrowNegative) {
  LayoutTree tree;
  const NodeId wide = tree.add_leaf({.width = Dimension::points(300)});
  const NodeId flexible = tree.add_leaf({.flex_grow = 1});
  const NodeId root = tree.add_node({}, {wide, flexible});
  tree.compute(root, {200, 10});
  EXPECT_EQ(tree.layout(flexible).width(), 0);
}

}  // namespace
}  // namespace orvo::ui
