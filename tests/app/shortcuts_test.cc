// The window's keys and semantic actions, on the sample mailbox.
#include <gtest/gtest.h>

#include "app/mail_app.h"
#include "app/root_factories.h"
#include "platform/ui/frame_driver.h"
#include "platform/ui/gui_session.h"
#include "platform/accounts/account_store.h"
#include "platform/ui/input_script.h"

namespace mail::app {
namespace {

using message::FolderKind;

class ShortcutsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { session_ = new orvo::ui::GuiSession(); }
  static void TearDownTestSuite() { delete session_; }

  void SetUp() override { open("wide"); }

  void open(std::string scene, orvo::ui::Size window = {1280, 800}) {
    driver_.reset();
    root_ = make_scene_root({.scene = std::move(scene)});
    driver_ = std::make_unique<orvo::ui::FrameDriver>(*root_, window, 1);
    driver_->sync();
    driver_->layout();
  }

  // Applies input-script steps, as the launcher does.
  void input(std::string_view script) {
    const auto steps = orvo::ui::parse_input_script(script);
    ASSERT_TRUE(steps.has_value()) << steps.error();
    for (const auto& step : *steps) {
      if (const auto* event = std::get_if<orvo::ui::Event>(&step)) driver_->dispatch(*event);
      if (const auto* action = std::get_if<orvo::ui::SemanticAction>(&step)) driver_->perform(*action);
      driver_->sync();
      driver_->layout();
    }
  }

  MailApp& app() { return static_cast<MailApp&>(*root_); }
  state::MailState& state() { return app().state(); }
  const message::MessageRecord& selected() { return *state().store.find(*state().selected); }
  std::string status() { return state().status.value_or(""); }
  std::vector<message::MessageId> inbox() { return state().store.folder(FolderKind::Inbox); }

  static inline orvo::ui::GuiSession* session_ = nullptr;
  std::unique_ptr<orvo::ui::Widget> root_;
  std::unique_ptr<orvo::ui::FrameDriver> driver_;
};

TEST_F(ShortcutsTest, EnterOpensAndMarksReadWhilePPreviewsAndKeepsUnread) {
  ASSERT_FALSE(selected().read);
  input("key p");
  EXPECT_FALSE(selected().read);
  EXPECT_TRUE(state().preview);
  EXPECT_EQ(status(), "Previewing without changing this message\u2019s read state");
  input("key Shift+P");
  EXPECT_TRUE(state().preview);
  input("key Enter");
  EXPECT_TRUE(selected().read);
  EXPECT_FALSE(state().preview);
}

TEST_F(ShortcutsTest, CommandModifiersKeepLettersFromActing) {
  const bool starred = selected().starred;
  input("key Ctrl+p; key Alt+s");
  EXPECT_FALSE(state().preview);
  EXPECT_EQ(selected().starred, starred);
  input("key S");
  EXPECT_NE(selected().starred, starred);
}

TEST_F(ShortcutsTest, BulkKeysReportCountsWithTheirPlural) {
  const auto ids = inbox();
  input("key x");
  for (std::size_t i = 0; i < 3; ++i) state().toggle_bulk_selection(ids[i]);
  input("key e");
  EXPECT_EQ(status(), "Archived 3 messages");
  EXPECT_EQ(inbox().size(), ids.size() - 3);
  EXPECT_TRUE(state().bulk_mode);

  state().toggle_bulk_selection(inbox().front());
  input("action mail.bulk:read");
  EXPECT_EQ(status(), "Marked 1 message read");
  input("key u");
  EXPECT_EQ(status(), "Marked 1 message unread");
  input("key Delete");
  EXPECT_EQ(status(), "Moved 1 message to Trash");
  input("key Escape");
  EXPECT_FALSE(state().bulk_mode);
}

TEST_F(ShortcutsTest, DeleteInTrashIsForGoodWhileShiftDeleteNeedsBulkMode) {
  const message::MessageId id = *state().selected;
  input("key Delete");
  EXPECT_EQ(state().store.find(id)->folder, FolderKind::Trash);
  input("action mail.folder:0:trash");
  ASSERT_EQ(state().selected, id);
  input("key Shift+Delete");
  EXPECT_NE(state().store.find(id), nullptr);
  EXPECT_FALSE(app().purge_confirmation_open());
  input("key Delete");
  EXPECT_EQ(state().store.find(id), nullptr);
}

TEST_F(ShortcutsTest, PermanentDeletionOfATrashSelectionAsksFirst) {
  const message::MessageId id = *state().selected;
  input("key Delete; action mail.folder:0:trash; key x; action mail.bulk:select-all; key Shift+Delete");
  ASSERT_TRUE(app().purge_confirmation_open());
  input("key Enter");
  EXPECT_FALSE(app().purge_confirmation_open());
  EXPECT_EQ(state().store.find(id), nullptr);
  EXPECT_EQ(status(), "Permanently deleted 1 trashed message");
}

TEST_F(ShortcutsTest, TheReferenceTakesEveryEventUntilClosed) {
  input("key ?");
  ASSERT_TRUE(app().shortcut_reference_open());
  const auto selected_before = state().selected;
  input("key Down; key x");
  EXPECT_EQ(state().selected, selected_before);
  EXPECT_FALSE(state().bulk_mode);
  input("key ?");
  EXPECT_FALSE(app().shortcut_reference_open());
}

TEST_F(ShortcutsTest, KeysGoToTheSearchFieldWhileItHasTheFocus) {
  state().set_search_focus(true);
  input("key x");
  EXPECT_FALSE(state().bulk_mode);
}

TEST_F(ShortcutsTest, SemanticActionsAreRoutedByPrefix) {
  const struct {
    std::string_view id;
    orvo::ui::SemanticKind kind;
    bool accepted;
  } cases[] = {
      {"mail.account:1", orvo::ui::SemanticKind::Collapse, true},
      {"mail.folder:1:inbox", orvo::ui::SemanticKind::Invoke, false},  // collapsed account
      {"mail.folder:0:Inbox", orvo::ui::SemanticKind::Invoke, false},
      {"mail.folder:0:archive", orvo::ui::SemanticKind::Invoke, true},
      {"mail.account:7", orvo::ui::SemanticKind::Invoke, false},
      {"mail.bulk:archive", orvo::ui::SemanticKind::Invoke, false},  // not in bulk mode
      {"mail.bulk:toggle", orvo::ui::SemanticKind::Invoke, true},
      {"mail.bulk:select-all", orvo::ui::SemanticKind::Invoke, true},
      {"mail.bulk-purge:confirm", orvo::ui::SemanticKind::Invoke, false},
      {"mail.compose:send", orvo::ui::SemanticKind::Invoke, false},
      {"mail.unknown", orvo::ui::SemanticKind::Invoke, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(driver_->perform({.id = std::string(c.id), .kind = c.kind}), c.accepted) << c.id;
  }
  EXPECT_TRUE(state().accounts[1].collapsed);
  EXPECT_EQ(state().current_folder, FolderKind::Archive);
}

TEST_F(ShortcutsTest, TheAccountMovedToBecomesTheStoresActiveAccount) {
  ASSERT_TRUE(driver_->perform({.id = "mail.account:1"}));
  driver_->sync();
  const auto store = orvo::accounts::AccountStore::load_in(*app().local_state_folder());
  ASSERT_TRUE(store.has_value()) << store.error();
  EXPECT_EQ(store->active_id(orvo::accounts::AccountTypeId::from("email"))->value, "you@lumenworks.example");
}

TEST_F(ShortcutsTest, ReaderActionsOnlyReachTheSelectedMessage) {
  const message::MessageId id = *state().selected;
  const std::string other = inbox().back().to_string();
  EXPECT_FALSE(driver_->perform({.id = "mail.reader:" + other + ":star"}));
  EXPECT_TRUE(driver_->perform({.id = "mail.reader:" + id.to_string() + ":star"}));
  EXPECT_TRUE(state().store.find(id)->starred);
  EXPECT_TRUE(driver_->perform({.id = "mail.reader:" + id.to_string() + ":archive"}));
  EXPECT_EQ(state().store.find(id)->folder, FolderKind::Archive);
}

TEST_F(ShortcutsTest, SavingAnAttachmentThatWasNeverDownloadedIsRefused) {
  const auto with_attachment = std::ranges::find_if(
      state().store.order(), [&](const message::MessageId& id) { return !state().store.find(id)->attachments.empty(); });
  state().selected = *with_attachment;
  EXPECT_TRUE(driver_->perform({.id = "mail.reader:" + with_attachment->to_string() + ":save-attachment:0"}));
  EXPECT_EQ(status(), "attachment content is not downloaded yet");
  EXPECT_TRUE(driver_->perform({.id = "mail.reader:" + with_attachment->to_string() + ":save-attachment:9"}));
  EXPECT_EQ(status(), "attachment is no longer loaded");
}

TEST_F(ShortcutsTest, TheContextMenuChoosesThroughItsActions) {
  open("context_menu");
  ASSERT_TRUE(app().context_menu().has_value());
  const message::MessageId id = app().context_menu()->message();
  const std::string prefix = "mail.context:" + id.to_string() + ":";
  EXPECT_FALSE(driver_->perform({.id = prefix + "8"}));  // an Inbox message has eight items
  EXPECT_TRUE(driver_->perform({.id = prefix + "5", .kind = orvo::ui::SemanticKind::Focus}));
  EXPECT_EQ(app().context_menu()->highlighted(), 5u);
  input("key Enter");
  EXPECT_FALSE(app().context_menu().has_value());
  EXPECT_EQ(state().store.find(id)->folder, FolderKind::Archive);
}

}  // namespace
}  // namespace mail::app
