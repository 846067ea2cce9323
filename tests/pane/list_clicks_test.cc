#include <gtest/gtest.h>

#include "pane/pane_harness.h"

namespace mail::pane {
namespace {

using message::FolderKind;
using message::MessageId;
using orvo::ui::EventOutcome;
using orvo::ui::Point;
using orvo::ui::PointerButton;

template <class Effect>
std::size_t count_effects(const state::MailState& state) {
  return std::ranges::count_if(state.effects,
                               [](const state::UiEffect& e) { return std::holds_alternative<Effect>(e); });
}

class ListClicksTest : public ::testing::Test {
 protected:
  PaneHarness list() { return PaneHarness(PaneKind::List, mail_.shared(), {0, 0, 600, 800}); }
  state::MailState& state() { return mail_.state(); }

  MailFixture mail_;
};

TEST_F(ListClicksTest, ClickingARowOpensItAndMarksItRead) {
  mail_.add(1, {});
  PaneHarness pane = list();
  state().set_search_focus(true);
  pane.press(PaneHitKind::OpenMessage);
  EXPECT_EQ(state().selected, (MessageId{0, 1}));
  EXPECT_TRUE(mail_.find(1)->read);
  EXPECT_FALSE(state().search_focused);
  EXPECT_EQ(count_effects<state::effect::ShowReader>(state()), 1u);
}

TEST_F(ListClicksTest, ClickingADraftEditsItInsteadOfOpeningIt) {
  mail_.add(1, {.folder = FolderKind::Drafts});
  state().current_folder = FolderKind::Drafts;
  PaneHarness pane = list();
  pane.press(PaneHitKind::OpenMessage);
  EXPECT_FALSE(mail_.find(1)->read);
  ASSERT_EQ(state().effects.size(), 1u);
  EXPECT_EQ(std::get<state::effect::EditDraft>(state().effects[0]).id, (MessageId{0, 1}));
}

TEST_F(ListClicksTest, InBulkSelectionRowClicksToggleTheirMessage) {
  mail_.add(1, {});
  state().bulk_mode = true;
  PaneHarness pane = list();
  pane.press(PaneHitKind::OpenMessage);
  EXPECT_EQ(state().bulk_selection, (std::vector<MessageId>{{0, 1}}));
  pane.press(PaneHitKind::OpenMessage);
  EXPECT_TRUE(state().bulk_selection.empty());
  EXPECT_FALSE(mail_.find(1)->read);
}

TEST_F(ListClicksTest, ClickingTheStarTogglesItWithoutOpeningTheMessage) {
  mail_.add(1, {});
  PaneHarness pane = list();
  pane.press(PaneHitKind::ToggleStar);
  EXPECT_TRUE(mail_.find(1)->starred);
  EXPECT_FALSE(mail_.find(1)->read);
  EXPECT_FALSE(state().selected.has_value());
  EXPECT_EQ(count_effects<state::effect::ShowReader>(state()), 0u);
  pane.press(PaneHitKind::ToggleStar);
  EXPECT_FALSE(mail_.find(1)->starred);
}

TEST_F(ListClicksTest, SelectAllTakesTheOldestMessageOfEveryConversation) {
  for (std::uint64_t thread : {10, 20}) {
    const std::string root = "<" + std::to_string(thread) + "@example.org>";
    mail_.add(thread + 1, {.date = static_cast<message::Minutes>(thread + 1), .message_id = root});
    mail_.add(thread + 2, {.date = static_cast<message::Minutes>(thread + 2), .thread_ref = root});
    mail_.add(thread + 3, {.date = static_cast<message::Minutes>(thread + 3), .thread_ref = root});
  }
  PaneHarness pane = list();
  pane.press(PaneHitKind::ToggleBulk);
  pane.press(PaneHitKind::SelectAllVisible);
  EXPECT_TRUE(state().bulk_mode);
  EXPECT_EQ(state().bulk_selection, (std::vector<MessageId>{{0, 21}, {0, 11}}));
}

TEST_F(ListClicksTest, TurningBulkSelectionOffEmptiesIt) {
  mail_.add(1, {});
  state().set_search_focus(true);
  PaneHarness pane = list();
  pane.press(PaneHitKind::ToggleBulk);
  EXPECT_FALSE(state().search_focused);
  pane.press(PaneHitKind::OpenMessage);
  pane.press(PaneHitKind::ToggleBulk);
  EXPECT_FALSE(state().bulk_mode);
  EXPECT_TRUE(state().bulk_selection.empty());
}

TEST_F(ListClicksTest, BulkActionsReportWhatTheyChangedAndPurgingAsksFirst) {
  mail_.add(1, {});
  mail_.add(2, {});
  state().bulk_mode = true;
  state().bulk_selection = {{0, 1}, {0, 2}};
  PaneHarness pane = list();
  pane.press(PaneHitKind::BulkAction, 1);  // Mark read
  EXPECT_EQ(state().status, "Mark read 2 messages");

  state().status.reset();
  pane.press(PaneHitKind::BulkAction, 1);  // nothing left to mark
  EXPECT_FALSE(state().status.has_value());

  pane.press(PaneHitKind::BulkAction, 0);
  EXPECT_EQ(state().status, "Archive 2 messages");
  EXPECT_EQ(mail_.find(1)->folder, FolderKind::Archive);

  mail_.add(3, {.folder = FolderKind::Trash});
  state().bulk_selection = {{0, 3}};
  pane.press(PaneHitKind::BulkAction, 3);
  EXPECT_EQ(count_effects<state::effect::ConfirmPurge>(state()), 1u);
  EXPECT_NE(mail_.find(3), nullptr);
}

TEST_F(ListClicksTest, RefreshAsksTheServerForTheFolderAndSaysSo) {
  PaneHarness pane = list();
  pane.press(PaneHitKind::Refresh);
  ASSERT_EQ(state().effects.size(), 1u);
  const auto& request = std::get<state::effect::Request>(state().effects[0]).request;
  EXPECT_EQ(std::get<engine::request::Sync>(request).folder, FolderKind::Inbox);
  EXPECT_EQ(state().status, "Syncing Inbox\u2026");
}

TEST_F(ListClicksTest, SecondaryClickOnARowAsksForItsContextMenu) {
  mail_.add(1, {});
  PaneHarness pane = list();
  const Point at = pane.region(PaneHitKind::ToggleStar).rect.center();
  EXPECT_EQ(pane.press(at, PointerButton::Secondary), EventOutcome::Handled);
  ASSERT_EQ(state().effects.size(), 1u);
  const auto& menu = std::get<state::effect::ContextMenu>(state().effects[0]);
  EXPECT_EQ(menu.id, (MessageId{0, 1}));
  EXPECT_EQ((Point{menu.x, menu.y}), at);
  EXPECT_FALSE(mail_.find(1)->starred);
}

}  // namespace
}  // namespace mail::pane
