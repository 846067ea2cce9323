#include "draw/html_banner.h"

#include <gtest/gtest.h>

#include "fixed_width_text.h"
#include "recording_canvas.h"

namespace mail::draw {
namespace {

using orvo::ui::Color;
using orvo::ui::Icon;
using orvo::ui::Rect;

const orvo::ui::Theme theme = orvo::ui::Theme::dark();
const Rect region{40, 100, 640, 500};

struct BannerCase {
  BannerMode mode;
  std::string_view text;
  double text_width;
  Color ink;
  Icon icon;
  bool toggles;
};

const BannerCase banner_cases[] = {
    {BannerMode::RemoteBlocked, "Remote content blocked · Load images", 360, theme.colors.accent, Icon::Image, true},
    {BannerMode::RemoteLoaded, "Remote images loaded", 200, theme.colors.text_muted, Icon::Image, true},
    {BannerMode::SafeText, "Safe text version · Rich HTML unavailable", 410, theme.colors.text_muted, Icon::Info,
     false},
};

TEST(HtmlBanner, ModesUnderTheRegion) {
  const FixedWidthText text;
  for (const BannerCase& banner : banner_cases) {
    SCOPED_TRACE(banner.text);
    RecordingCanvas canvas(text);
    const auto toggle = draw_html_banner(canvas, theme, region, banner.mode, std::nullopt);

    const Rect card{40, 508, 40 + banner.text_width + 44, 536};
    EXPECT_EQ(canvas.cards, (std::vector<DrawnShape>{{card, 8, theme.colors.raised}}));
    EXPECT_EQ(canvas.texts, (std::vector<DrawnText>{{std::string(banner.text), {70, 515}, {11.5}, banner.ink}}));
    EXPECT_EQ(canvas.icons, (std::vector<DrawnIcon>{{banner.icon, {48, 514, 64, 530}, banner.ink}}));
    EXPECT_EQ(toggle, banner.toggles ? std::optional{card} : std::nullopt);
  }
}

TEST(HtmlBanner, LiftedOnlyWhileThePointerIsOverIt) {
  const FixedWidthText text;
  const Rect card{40, 508, 284, 536};
  struct Pointer {
    std::optional<orvo::ui::Point> at;
    bool lifted;
  };
  for (const Pointer& pointer : {Pointer{std::nullopt, false}, Pointer{{{41, 509}}, true}, Pointer{{{284, 520}}, false},
                                 Pointer{{{100, 507}}, false}}) {
    RecordingCanvas canvas(text);
    ASSERT_EQ(draw_html_banner(canvas, theme, region, BannerMode::RemoteLoaded, pointer.at), card);
    const std::vector<DrawnShape> lift{{card, 8, theme.colors.shadow.with_alpha(0.35)}};
    EXPECT_EQ(canvas.shadows, pointer.lifted ? lift : std::vector<DrawnShape>{});
  }
}

}  // namespace
}  // namespace mail::draw
