#include "platform/ui/nav_shell.h"

#include <gtest/gtest.h>

namespace orvo::ui {
namespace {

// Records where the shell put it and what reached it.
class Probe : public Widget {
 public:
  void apply_layout(const LayoutTree& tree, NodeId node, Point origin) override {
    rect = tree.layout(node).translated(origin.x, origin.y);
  }
  EventOutcome handle_event(const Event& event, const FrameContext&) override {
    if (std::holds_alternative<PointerPress>(event)) ++presses;
    if (std::holds_alternative<PointerRelease>(event)) ++releases;
    if (std::holds_alternative<KeyPress>(event)) ++keys;
    return EventOutcome::Handled;
  }
  Rect rect;
  int presses = 0;
  int releases = 0;
  int keys = 0;
};

class NullText : public TextRenderer {
 protected:
  double measure_line_height(const TextStyle& style) const override { return style.size; }
  double measure_width(std::string_view text, const TextStyle& style) const override {
    return static_cast<double>(text.size()) * style.size;
  }
  std::string elide_scaled(std::string_view text, const TextStyle&, double) const override { return std::string(text); }
};

class NavShellTest : public ::testing::Test {
 protected:
  NavShellTest() {
    auto list = std::make_unique<Probe>();
    auto reader = std::make_unique<Probe>();
    auto folders = std::make_unique<Probe>();
    list_ = list.get();
    reader_ = reader.get();
    folders_ = folders.get();
    shell_ = std::make_unique<NavShell>(theme_, std::move(list), std::move(reader));
    shell_->with_sidebar(std::move(folders));
  }

  FrameContext context(Size window) { return {.now = Clock::now(), .window = window, .text = text_}; }

  void lay_out(Size window) {
    LayoutTree tree;
    const NodeId node = shell_->build_layout(tree, context(window));
    tree.compute(node, window);
    shell_->apply_layout(tree, node, {});
  }

  void press(Point at, Size window) { shell_->handle_event(PointerPress{at}, context(window)); }

  Theme theme_ = Theme::dark();
  NullText text_;
  std::unique_ptr<NavShell> shell_;
  Probe* list_;
  Probe* reader_;
  Probe* folders_;
};

TEST_F(NavShellTest, CompactExactlyBelowTheBreakpoint) {
  lay_out({859, 600});
  EXPECT_TRUE(shell_->is_compact());
  lay_out({860, 600});
  EXPECT_FALSE(shell_->is_compact());
  shell_->set_compact_breakpoint(1290);
  lay_out({1280, 800});
  EXPECT_TRUE(shell_->is_compact());
}

TEST_F(NavShellTest, WideWindowDocksTheSidebarWithinItsWidthRange) {
  for (double width : {1000.0, 1280.0, 2400.0}) {
    lay_out({width, 800});
    SCOPED_TRACE(width);
    EXPECT_GE(folders_->rect.width(), 260);
    EXPECT_LE(folders_->rect.width(), 340);
    EXPECT_EQ(list_->rect.x0, folders_->rect.x1);
    EXPECT_EQ(reader_->rect.x0, list_->rect.x1);
    EXPECT_EQ(reader_->rect.x1, width);
    EXPECT_TRUE(shell_->sidebar_visible());
    EXPECT_TRUE(shell_->primary_visible() && shell_->detail_visible());
  }
}

TEST_F(NavShellTest, CompactShowsOnePaneAtATimeAndSnapsTransitions) {
  lay_out({560, 860});
  EXPECT_EQ(list_->rect, (Rect{0, 0, 560, 860}));
  EXPECT_FALSE(shell_->sidebar_visible());
  EXPECT_FALSE(shell_->detail_visible());

  shell_->set_detail_shown(true);
  EXPECT_TRUE(shell_->needs_animation_frame());
  shell_->snap();
  lay_out({560, 860});
  EXPECT_FALSE(shell_->needs_animation_frame());
  EXPECT_EQ(reader_->rect, (Rect{0, 0, 560, 860}));
  EXPECT_TRUE(shell_->back_rect().has_value());

  press(shell_->back_rect()->center(), {560, 860});
  EXPECT_FALSE(shell_->detail_shown());
}

TEST_F(NavShellTest, DrawerOpensFromTheControlAndClosesOnTheScrim) {
  const Size window{560, 860};
  lay_out(window);
  press(shell_->control_rect().center(), window);
  shell_->snap_sidebar();
  lay_out(window);
  EXPECT_TRUE(shell_->drawer_open());
  EXPECT_EQ(folders_->rect.x0, 0);
  EXPECT_EQ(folders_->rect.width(), 340);

  press({folders_->rect.x0 + 100, 400}, window);
  EXPECT_EQ(folders_->presses, 1);
  EXPECT_TRUE(shell_->drawer_open());

  press({500, 400}, window);
  EXPECT_FALSE(shell_->drawer_open());
  EXPECT_EQ(list_->presses, 0);
}

TEST_F(NavShellTest, ToggleHidesTheDockedSidebarOnAWideWindow) {
  const Size window{1280, 800};
  lay_out(window);
  press(shell_->control_rect().center(), window);
  lay_out(window);
  EXPECT_FALSE(shell_->sidebar_visible());
  EXPECT_EQ(list_->rect.x0, 0);
}

TEST_F(NavShellTest, AReleaseGoesWhereThePressWent) {
  const Size window{1280, 800};
  lay_out(window);
  press(list_->rect.center(), window);
  shell_->handle_event(PointerRelease{reader_->rect.center()}, context(window));
  EXPECT_EQ(list_->releases, 1);
  EXPECT_EQ(reader_->releases, 0);
  shell_->handle_event(PointerRelease{reader_->rect.center()}, context(window));
  EXPECT_EQ(reader_->releases, 1);
}

TEST_F(NavShellTest, KeysReachTheVisibleContentPane) {
  const Size window{560, 860};
  lay_out(window);
  shell_->handle_event(KeyPress{.key = Key::Down}, context(window));
  EXPECT_EQ(list_->keys, 1);
  EXPECT_EQ(reader_->keys, 0);
}

}  // namespace
}  // namespace orvo::ui
