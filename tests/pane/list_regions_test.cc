#include <gtest/gtest.h>

#include "pane/pane_harness.h"

namespace mail::pane {
namespace {

using message::FolderKind;
using orvo::ui::Rect;

constexpr Rect list_rect{280, 0, 700, 800};
constexpr Rect shell_control{12, 12, 48, 48};

class ListRegionsTest : public ::testing::Test {
 protected:
  ListRegionsTest() {
    for (std::uint64_t n = 1; n <= 4; ++n) mail_.add(n, {.date = static_cast<message::Minutes>(n)});
    mail_.state().layout = {.compact = false, .sidebar_shown = true, .shell_control_rect = shell_control};
  }

  MailFixture mail_;
};

TEST_F(ListRegionsTest, HeaderAndRowsLieWhereTheDefaultsPutThemUntilTheFirstDraw) {
  PaneHarness list(PaneKind::List, mail_.shared(), list_rect);
  using enum PaneHitKind;
  EXPECT_EQ(list.region_kinds(), (std::vector{ToggleBulk, Refresh, SearchField, OpenMessage, ToggleStar, OpenMessage,
                                              ToggleStar, OpenMessage, ToggleStar, OpenMessage, ToggleStar}));
  EXPECT_EQ(list.region(ToggleBulk).rect, (Rect{300, 12, 332, 44}));
  EXPECT_EQ(list.region(Refresh).rect, (Rect{652, 12, 684, 44}));
  EXPECT_EQ(list.region(SearchField).rect, (Rect{642 - 420 * 0.46, 12, 642, 44}));
  EXPECT_EQ(list.region(OpenMessage, 1).rect, (Rect{280, 56 + 79, 700, 56 + 2 * 79}));
  EXPECT_EQ(std::get<message::MessageId>(list.region(OpenMessage, 1).payload), (message::MessageId{0, 3}));
  const double star_middle = 56 + 79 + 59.6875;
  EXPECT_EQ(list.region(ToggleStar, 1).rect, (Rect{658, star_middle - 12, 682, star_middle + 12}));
}

TEST_F(ListRegionsTest, TheToggleClearsTheShellControlUnlessASidebarIsDockedBesideIt) {
  struct Case {
    const char* name;
    state::LayoutMirror layout;
    Rect pane;
    Rect toggle;
  };
  const Case cases[] = {
      {"docked",
       {.compact = false, .sidebar_shown = true, .shell_control_rect = shell_control},
       list_rect,
       {300, 12, 332, 44}},
      {"hidden sidebar",
       {.compact = false, .sidebar_shown = false, .shell_control_rect = shell_control},
       {0, 0, 700, 800},
       {52, 12, 84, 44}},
      {"compact",
       {.compact = true, .sidebar_shown = false, .shell_control_rect = shell_control},
       {0, 0, 560, 860},
       {52, 12, 84, 44}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mail_.state().layout = c.layout;
    PaneHarness list(PaneKind::List, mail_.shared(), c.pane);
    EXPECT_EQ(list.region(PaneHitKind::ToggleBulk).rect, c.toggle);
  }
}

TEST_F(ListRegionsTest, SearchFieldKeepsClearOfTheToggleAndGainsAClearControlWhileItHoldsText) {
  PaneHarness narrow(PaneKind::List, mail_.shared(), {280, 0, 560, 800});
  const Rect search = narrow.region(PaneHitKind::SearchField).rect;
  EXPECT_EQ(search.x0, 300 + 70);  // 140 wide would start left of that

  mail_.state().set_search_query("subject");
  const Rect clear = narrow.region(PaneHitKind::ClearSearch).rect;
  EXPECT_EQ(clear, (Rect{search.x1 - 26, search.y0, search.x1, search.y1}));
}

TEST_F(ListRegionsTest, RowsThatWouldStartAtTheBottomEdgeAreLeftOut) {
  PaneHarness list(PaneKind::List, mail_.shared(), {280, 0, 700, 56 + 2 * 79});
  EXPECT_EQ(std::ranges::count(list.region_kinds(), PaneHitKind::OpenMessage), 2);
}

TEST_F(ListRegionsTest, TheStarLiesOnTopOfItsRow) {
  PaneHarness list(PaneKind::List, mail_.shared(), list_rect);
  const orvo::ui::Point star = list.region(PaneHitKind::ToggleStar).rect.center();
  EXPECT_EQ(hit_at(list.regions(), star)->kind, PaneHitKind::ToggleStar);
  EXPECT_EQ(list.pane().tooltip_at(star), "Star (S)");
  EXPECT_EQ(list.pane().tooltip_at({star.x - 40, star.y}), "Open message");
}

TEST_F(ListRegionsTest, BulkSelectionTradesTheSearchFieldForTheBulkBar) {
  mail_.state().bulk_mode = true;
  PaneHarness list(PaneKind::List, mail_.shared(), list_rect);
  using enum PaneHitKind;
  const std::vector<PaneHitKind> kinds = list.region_kinds();
  EXPECT_EQ(std::vector(kinds.begin(), kinds.begin() + 8),
            (std::vector{ToggleBulk, Refresh, SelectAllVisible, BulkAction, BulkAction, BulkAction, BulkAction,
                         OpenMessage}));
  EXPECT_EQ(list.region(SelectAllVisible).rect, (Rect{294, 62, 486, 100}));
  EXPECT_EQ(list.region(BulkAction, 0).rect, (Rect{494, 62, 686, 100}));
  EXPECT_EQ(list.region(BulkAction, 3).rect, (Rect{294, 152, 686, 190}));
  EXPECT_EQ(list.region(OpenMessage).rect.y0, 56 + 140);
}

TEST_F(ListRegionsTest, TheFirstDrawMeasuresTheHeaderAndTheRowsFromTheText) {
  PaneHarness list(PaneKind::List, mail_.shared(), list_rect);
  list.draw();
  // Lines twice their size high: the header's controls are 26 + 2 × 8 high; the
  // snippet line starts at 14 + 25 + (14 + 27 + 4) and is 23 high.
  EXPECT_EQ(list.region(PaneHitKind::Refresh).rect, (Rect{700 - 16 - 42, 12, 700 - 16, 12 + 42}));
  const Rect first_row = list.region(PaneHitKind::OpenMessage).rect;
  EXPECT_EQ(first_row, (Rect{280, 42 + 24, 700, 42 + 24 + (4 + 23 + 84)}));
  EXPECT_EQ(list.region(PaneHitKind::ToggleStar).rect.center().y, first_row.y0 + 84 + 23 / 2.0);
}

}  // namespace
}  // namespace mail::pane
