#include "draw/safe_text_view.h"

#include <gtest/gtest.h>

#include "fixed_width_text.h"
#include "recording_canvas.h"

namespace mail::draw {
namespace {

using orvo::ui::Rect;

// Body text is 13.5 high plus 2 with the fake renderer: one row advances max(15.5, 19) + 5.
class SafeTextViewTest : public ::testing::Test {
 protected:
  std::vector<DrawnText> draw(const Rect& region, std::string_view body) {
    draw_safe_text(canvas_, theme_, region, body);
    return canvas_.texts;
  }
  DrawnText line(std::string text, double x, double y) const {
    return {std::move(text), {x, y}, {13.5}, theme_.colors.text};
  }

  orvo::ui::Theme theme_ = orvo::ui::Theme::dark();
  FixedWidthText text_;
  RecordingCanvas canvas_{text_};
};

TEST_F(SafeTextViewTest, LinesOnACardAdvanceByTheirWrappedHeight) {
  // 200 wide: rows of up to 16 characters.
  const Rect region{100, 50, 300, 450};
  EXPECT_EQ(draw(region, "Hello\n\nA line that wraps here\nEnd"),
            (std::vector{line("Hello", 118, 68), line("A line that", 118, 101), line("wraps here", 118, 116.5),
                         line("End", 118, 137)}));
  EXPECT_EQ(canvas_.cards, (std::vector<DrawnShape>{{region, 6, theme_.colors.raised}}));
}

TEST_F(SafeTextViewTest, NarrowCardStillWrapsAtEightyAndClips) {
  const Rect region{0, 0, 100, 300};
  EXPECT_EQ(draw(region, "abcdefghij"), (std::vector{line("abcdefgh", 18, 18), line("ij", 18, 33.5)}));
  EXPECT_EQ(canvas_.clips, std::vector{region});
}

TEST_F(SafeTextViewTest, RowsStartingWithin24OfTheBottomAreNotDrawn) {
  // The third line starts at 66, within reach of the limit at 76; its second row at 81.5 is not.
  const std::string long_line = std::string(36, 'a') + " bbbbb";
  EXPECT_EQ(draw({0, 0, 400, 100}, "1\n2\n" + long_line + "\nnever"),
            (std::vector{line("1", 18, 18), line("2", 18, 42), line(std::string(36, 'a'), 18, 66)}));
}

}  // namespace
}  // namespace mail::draw
