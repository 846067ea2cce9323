#include <gtest/gtest.h>

#include "platform/ui/recording_canvas.h"
#include "platform/ui/toggle_group.h"
#include "platform/ui/tooltip.h"

namespace orvo::ui {
namespace {

using testing::RecordingCanvas;

TEST(ToggleGroupTest, FindsTheSegmentUnderAPoint) {
  const ToggleGroup group{.labels = {"Password", "OAuth", "Other"}, .rect = {0, 0, 90, 20}};
  struct Case {
    Point point;
    std::optional<std::size_t> segment;
  };
  const std::vector<Case> cases = {
      {{0, 0}, 0}, {{29.9, 10}, 0}, {{30, 10}, 1}, {{89.9, 19}, 2}, {{90, 10}, std::nullopt}, {{45, 20}, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(group.segment_at(c.point), c.segment) << c.point.x << "," << c.point.y;
  const ToggleGroup empty{.rect = {0, 0, 90, 20}};
  EXPECT_EQ(empty.segment_at({10, 10}), std::nullopt) << "no labels, no segments";
}

TEST(TooltipTest, StaysInsideTheWindow) {
  const Theme theme = Theme::dark();
  const Rect window{0, 0, 400, 300};
  struct Case {
    const char* name;
    Point anchor;
    bool above;
  };
  const std::vector<Case> cases = {
      {"room below", {50, 50}, false},
      {"near the bottom", {50, 290}, true},
      {"near the right edge", {395, 50}, false},
      {"bottom-right corner", {399, 299}, true},
  };
  for (const Case& c : cases) {
    RecordingCanvas canvas;
    paint_tooltip(canvas, window, c.anchor, "Load or block remote images", theme);
    ASSERT_EQ(canvas.rounded.size(), 1U) << c.name;
    const Rect box = canvas.rounded[0].rect;
    EXPECT_TRUE(box.x0 >= window.x0 && box.y0 >= window.y0 && box.x1 <= window.x1 && box.y1 <= window.y1) << c.name;
    EXPECT_EQ(box.y1 <= c.anchor.y, c.above) << c.name;
    EXPECT_FALSE(box.contains(c.anchor)) << c.name << ": the pointer would hide it";
  }
}

}  // namespace
}  // namespace orvo::ui
