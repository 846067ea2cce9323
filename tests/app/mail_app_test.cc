#include "app/mail_app.h"

#include <gtest/gtest.h>

#include "app/root_factories.h"
#include "platform/ui/frame_driver.h"
#include "platform/ui/gui_session.h"

namespace mail::app {
namespace {

class MailAppTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { session_ = new orvo::ui::GuiSession(); }
  static void TearDownTestSuite() { delete session_; }

  // A scene's window laid out at `width` and `scale`.
  struct Window {
    std::unique_ptr<orvo::ui::Widget> root;
    std::unique_ptr<orvo::ui::FrameDriver> driver;
    MailApp& app() { return static_cast<MailApp&>(*root); }
  };
  static Window open(std::string scene, double width, double scale = 1) {
    Window window{make_scene_root({.scene = std::move(scene)}), nullptr};
    window.driver = std::make_unique<orvo::ui::FrameDriver>(*window.root, orvo::ui::Size{width, 800}, scale);
    window.driver->sync();
    window.driver->layout();
    return window;
  }

  static inline orvo::ui::GuiSession* session_ = nullptr;
};

TEST_F(MailAppTest, CompactBreakpointFollowsTheTextScale) {
  const std::tuple<double, double, bool> cases[] = {
      {859, 1, true}, {860, 1, false}, {1280, 1, false}, {1000, 1, false}, {560, 1, true},
      {1289, 1.5, true}, {1290, 1.5, false}, {100, 0, false}, {100, -2, false},
  };
  for (const auto& [width, scale, compact] : cases) {
    SCOPED_TRACE(testing::Message() << width << " at " << scale);
    Window window = open("wide", width, scale);
    EXPECT_EQ(window.app().state().layout.compact, compact);
  }
}

TEST_F(MailAppTest, AccessibilityNamesTheCurrentView) {
  auto value_of = [](Window& window) { return window.root->accessibility()->value; };
  Window wide = open("wide", 1280);
  EXPECT_EQ(value_of(wide), "Current view: folders, message list, and reading pane");
  EXPECT_EQ(wide.root->accessibility()->children.size(), 3u);

  Window narrow = open("narrow", 560);
  EXPECT_EQ(value_of(narrow), "Current view: message list");

  Window detail = open("narrow_detail", 560);
  EXPECT_EQ(value_of(detail), "Current view: reading pane");
  EXPECT_TRUE(detail.app().state().layout.reader_shown);

  Window drawer = open("narrow_drawer", 560);
  drawer.app().shell().set_detail_shown(true);
  EXPECT_EQ(value_of(drawer), "Current view: folder drawer");
  const auto children = drawer.root->accessibility()->children;
  ASSERT_EQ(children.size(), 1u);
  EXPECT_EQ(children[0].label, "Mail folders");
}

TEST_F(MailAppTest, ShellControlSquareIsMirroredIntoTheState) {
  Window wide = open("wide", 1280);
  EXPECT_EQ(wide.app().state().layout.shell_control_rect, (orvo::ui::Rect{12, 12, 48, 48}));
  EXPECT_TRUE(wide.app().state().layout.sidebar_shown);
}

TEST_F(MailAppTest, FirstRunWelcomesAndItsButtonAsksForAnAccount) {
  Window first = open("firstrun", 1100);
  const auto tree = first.root->accessibility();
  ASSERT_EQ(tree->children.size(), 1u);
  const auto& welcome = tree->children[0];
  EXPECT_EQ(welcome.label, "Welcome to Mail");
  EXPECT_EQ(welcome.children.at(2).id, "mail.add-account");
  EXPECT_TRUE(first.driver->perform({.id = "mail.add-account"}));
  EXPECT_FALSE(first.driver->perform({.id = "mail.unknown"}));
}

TEST_F(MailAppTest, EffectsAreCarriedOutInTheOrderTheyWereQueued) {
  Window narrow = open("narrow", 560);
  state::MailState& state = narrow.app().state();
  state.queue(state::effect::Status{"first"});
  state.queue(state::effect::ShowReader{});
  state.queue(state::effect::ShowList{});
  state.queue(state::effect::Status{"last"});
  narrow.app().drain_effects();
  EXPECT_EQ(state.status, "last");
  EXPECT_FALSE(narrow.app().shell().detail_shown());
  EXPECT_TRUE(state.effects.empty());
}

TEST_F(MailAppTest, ScenesKeepTheirFilesInAPrivateFolderThatGoesAway) {
  std::filesystem::path folder;
  {
    Window wide = open("wide", 1280);
    ASSERT_TRUE(wide.app().local_state_folder().has_value());
    folder = *wide.app().local_state_folder();
    EXPECT_TRUE(folder.filename().string().starts_with("orvo-mail-sample-"));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
  }
  EXPECT_FALSE(std::filesystem::exists(folder));
}

}  // namespace
}  // namespace mail::app
