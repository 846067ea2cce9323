#include "pane/reader_toolbar.h"

#include <gtest/gtest.h>

#include "platform/ui/theme.h"

namespace mail::pane {
namespace {

struct ToolbarCase {
  const char* name;
  double x0;
  double width;
  bool compact;
  bool reader_shown;
  double scale;
  double first_x;
  double top;
  std::vector<double> widths;
};

const std::vector<double> labelled{78, 88, 78, 64, 104};
const std::vector<double> icons_only(5, 38);

TEST(ReaderToolbarTest, ButtonsFollowWidthCompactModeAndTextScale) {
  const ToolbarCase cases[] = {
      {"479 wide shows icons only", 300, 479, false, false, 1, 320, 12, icons_only},
      {"480 wide shows labels", 300, 480, false, false, 1, 320, 12, labelled},
      {"compact shows icons only however wide", 0, 860, true, false, 1, 20, 12, icons_only},
      {"compact reader leaves room for the back control", 0, 560, true, true, 1, 118, 12, icons_only},
      {"a shown reader outside compact mode starts at 20", 0, 900, false, true, 1, 20, 12, labelled},
      {"text scale 1.25 keeps the toolbar up", 0, 900, false, false, 1.25, 20, 12, labelled},
      {"text scale above 1.25 moves it down", 0, 900, false, false, 1.3, 20, 68, labelled},
  };
  const orvo::ui::Theme theme = orvo::ui::Theme::dark();
  for (const ToolbarCase& test : cases) {
    SCOPED_TRACE(test.name);
    state::MailState state({}, 0, nullptr, 0);
    state.layout = {.compact = test.compact, .reader_shown = test.reader_shown};
    const PaneFrame frame{.state = state, .theme = theme, .rect = {test.x0, 0, test.x0 + test.width, 700},
                          .scale = test.scale};

    const ReaderToolbar toolbar = reader_toolbar(frame);
    std::vector<double> widths;
    double x = test.first_x;
    for (const ToolbarButton& button : toolbar.buttons) {
      widths.push_back(button.rect.width());
      EXPECT_EQ(button.rect.x0, x);
      EXPECT_EQ(button.rect.y0, test.top);
      EXPECT_EQ(button.rect.height(), 32);
      x = button.rect.x1 + 8;
    }
    EXPECT_EQ(widths, test.widths);
    EXPECT_EQ(toolbar.icon_only, test.widths == icons_only);
  }
}

TEST(ReaderToolbarTest, RegionsRunReplyToMarkUnread) {
  state::MailState state({}, 0, nullptr, 0);
  const orvo::ui::Theme theme = orvo::ui::Theme::dark();
  std::vector<PaneHit> hits;
  add_toolbar_regions(reader_toolbar({.state = state, .theme = theme, .rect = {0, 0, 900, 700}}), hits);
  std::vector<PaneHitKind> kinds;
  for (const PaneHit& hit : hits) kinds.push_back(hit.kind);
  EXPECT_EQ(kinds, (std::vector{PaneHitKind::Reply, PaneHitKind::Archive, PaneHitKind::Delete,
                                PaneHitKind::StarSelected, PaneHitKind::MarkUnread}));
}

}  // namespace
}  // namespace mail::pane
