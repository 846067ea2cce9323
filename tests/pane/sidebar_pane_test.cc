#include <gtest/gtest.h>

#include "pane/pane_harness.h"

namespace mail::pane {
namespace {

using message::FolderKind;
using orvo::ui::Rect;

constexpr Rect sidebar_rect{0, 0, 280, 800};

class SidebarPaneTest : public ::testing::Test {
 protected:
  SidebarPaneTest() : mail_(2) {}

  PaneHarness sidebar() { return PaneHarness(PaneKind::Sidebar, mail_.shared(), sidebar_rect); }
  state::MailState& state() { return mail_.state(); }

  MailFixture mail_;
};

TEST_F(SidebarPaneTest, RegionsRunFromComposeThroughEveryAccountToAddAccount) {
  state().accounts[1].collapsed = true;
  PaneHarness pane = sidebar();
  using enum PaneHitKind;
  std::vector<PaneHitKind> expected{Compose, OpenAccount, ToggleAccount, AccountSettings};
  expected.insert(expected.end(), 7, OpenFolder);
  expected.insert(expected.end(), {OpenAccount, ToggleAccount, AccountSettings, AddAccount});
  EXPECT_EQ(pane.region_kinds(), expected);

  EXPECT_EQ(pane.region(Compose).rect, (Rect{12, 56, 268, 96}));
  EXPECT_EQ(pane.region(OpenAccount).rect, (Rect{8, 110, 272, 154}));
  EXPECT_EQ(pane.region(ToggleAccount).rect, (Rect{8, 110, 36, 154}));
  EXPECT_EQ(pane.region(AccountSettings).rect, (Rect{236, 117, 266, 147}));
  EXPECT_EQ(pane.region(OpenFolder, 0).rect, (Rect{14, 160, 270, 196}));
  EXPECT_EQ(pane.region(OpenFolder, 6).rect, (Rect{14, 376, 270, 412}));
  EXPECT_EQ(pane.region(OpenAccount, 1).rect, (Rect{8, 428, 272, 472}));
  EXPECT_EQ(pane.region(AddAccount).rect, (Rect{8, 488, 272, 526}));

  std::vector<FolderKind> folders;
  for (std::size_t i = 0; i < 7; ++i) {
    folders.push_back(std::get<FolderTarget>(pane.region(OpenFolder, i).payload).folder);
  }
  EXPECT_EQ(folders, (std::vector{FolderKind::Inbox, FolderKind::Starred, FolderKind::Sent, FolderKind::Drafts,
                                  FolderKind::Archive, FolderKind::Junk, FolderKind::Trash}));
}

TEST_F(SidebarPaneTest, ComposeSitsBelowTheShellsControlSquare) {
  state().layout.shell_control_rect = Rect{12, 30, 48, 66};
  EXPECT_EQ(sidebar().region(PaneHitKind::Compose).rect, (Rect{12, 74, 268, 114}));
}

TEST_F(SidebarPaneTest, OpeningAFolderSyncsItAndClosesTheDrawerButKeepsTheListWhereItIs) {
  mail_.add(1, {.folder = FolderKind::Junk});
  state().set_search_query("old query");
  PaneHarness pane = sidebar();
  pane.press(PaneHitKind::OpenFolder, 7 + 5);  // the second account's Junk
  EXPECT_EQ(state().current_account, 1u);
  EXPECT_EQ(state().current_folder, FolderKind::Junk);
  EXPECT_EQ(state().search_query, "");
  EXPECT_EQ(state().selected, (message::MessageId{0, 1}));
  ASSERT_EQ(state().effects.size(), 2u);
  const auto& sync = std::get<engine::request::Sync>(std::get<state::effect::Request>(state().effects[0]).request);
  EXPECT_EQ(sync.folder, FolderKind::Junk);
  EXPECT_EQ(sync.account.email, "user1@example.org");
  EXPECT_TRUE(std::holds_alternative<state::effect::CloseDrawer>(state().effects[1]));
}

TEST_F(SidebarPaneTest, AccountControlsAndButtons) {
  PaneHarness pane = sidebar();
  pane.press(PaneHitKind::OpenAccount, 1);
  EXPECT_EQ(state().current_account, 1u);
  EXPECT_EQ(state().current_folder, FolderKind::Inbox);
  EXPECT_TRUE(std::holds_alternative<state::effect::CloseDrawer>(state().effects.back()));

  pane.press(PaneHitKind::ToggleAccount, 0);
  EXPECT_TRUE(state().accounts[0].collapsed);
  EXPECT_EQ(std::ranges::count(pane.region_kinds(), PaneHitKind::OpenFolder), 7);

  state().effects.clear();
  pane.press(PaneHitKind::AccountSettings, 1);
  pane.press(PaneHitKind::AddAccount);
  pane.press(PaneHitKind::Compose);
  ASSERT_EQ(state().effects.size(), 3u);
  const auto& edit = std::get<state::effect::OpenSetup>(state().effects[0]);
  EXPECT_TRUE(edit.edit);
  EXPECT_EQ(edit.account, 1u);
  EXPECT_FALSE(std::get<state::effect::OpenSetup>(state().effects[1]).edit);
  EXPECT_TRUE(std::holds_alternative<state::effect::ComposeNew>(state().effects[2]));
}

TEST_F(SidebarPaneTest, DrawsLabelsAndTheCurrentAccountsUnreadCounts) {
  state().accounts[1].config.display_name.clear();
  state().accounts[1].config.email.clear();
  mail_.add(1, {});
  mail_.add(2, {.read = true});
  mail_.add(3, {.folder = FolderKind::Trash});
  PaneHarness pane = sidebar();
  pane.draw();
  const std::vector<std::string> texts = pane.drawn_texts();
  EXPECT_EQ(std::ranges::count(texts, "New account"), 1);
  EXPECT_EQ(std::ranges::count(texts, "Junk"), 2);
  // Inbox and Trash hold one unread message each; only the current account shows it.
  EXPECT_EQ(std::ranges::count(texts, "1"), 2);
}

TEST_F(SidebarPaneTest, FolderTreeNamesEveryAccountWithItsFolders) {
  state().accounts[0].collapsed = true;
  const orvo::ui::AccessNode tree = *sidebar().pane().accessibility();
  EXPECT_EQ(tree.label, "Mail folders");
  ASSERT_EQ(tree.children.size(), 2u);
  EXPECT_EQ(tree.children[0].id, "mail.account:0");
  EXPECT_TRUE(tree.children[0].children.empty());
  const orvo::ui::AccessNode& junk = tree.children[1].children.at(5);
  EXPECT_EQ(junk.label, "Junk");
  EXPECT_EQ(junk.id, "mail.folder:1:junk");
}

}  // namespace
}  // namespace mail::pane
