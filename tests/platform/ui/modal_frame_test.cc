#include "platform/ui/modal_frame.h"

#include <gtest/gtest.h>

namespace orvo::ui {
namespace {

TEST(ModalFrameTest, CentresACardWithinItsLimits) {
  const ModalFrame frame{.max_width = 700, .margin = 24, .padding = 20};

  const ModalLayout wide = frame.layout({1200, 800}, 300);
  EXPECT_EQ(wide.backdrop, (Rect{0, 0, 1200, 800}));
  EXPECT_EQ(wide.card, (Rect{250, 230, 950, 570}));
  EXPECT_EQ(wide.content, (Rect{270, 250, 930, 550}));

  const ModalLayout narrow = frame.layout({500, 300}, 1000);
  EXPECT_EQ(narrow.card, (Rect{24, 24, 476, 276})) << "cut to the window less its margins";

  const ModalLayout tiny = frame.layout({30, 30}, 100);
  EXPECT_GE(tiny.content.width(), 0) << "never inside out";
  EXPECT_GE(tiny.content.height(), 0);
}

TEST(ModalFrameTest, DismissesOnlyOnTheBackdrop) {
  const ModalLayout layout = ModalFrame{.max_width = 400}.layout({1000, 600}, 200);
  ASSERT_EQ(layout.card, (Rect{300, 176, 700, 424}));
  auto where = [](Point p) { return ::testing::Message() << p.x << "," << p.y; };
  for (const Point on_card : {Point{500, 300}, Point{300, 176}, Point{699.5, 423.5}}) {
    EXPECT_FALSE(layout.dismisses(on_card)) << where(on_card);
  }
  for (const Point on_backdrop : {Point{700, 300}, Point{299, 300}, Point{500, 175}, Point{0, 0}}) {
    EXPECT_TRUE(layout.dismisses(on_backdrop)) << where(on_backdrop);
  }
  for (const Point outside_window : {Point{1000, 300}, Point{-1, 300}}) {
    EXPECT_FALSE(layout.dismisses(outside_window)) << where(outside_window);
  }
}

}  // namespace
}  // namespace orvo::ui
