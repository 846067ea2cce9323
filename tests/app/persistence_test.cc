// Decisions about mail survive a restart on the same configuration folder.
#include <gtest/gtest.h>

#include "app/mail_app.h"
#include "engine/sample_mailbox.h"
#include "platform/storage/temp_folder.h"
#include "platform/ui/frame_driver.h"
#include "platform/ui/gui_session.h"

namespace mail::app {
namespace {

class PersistenceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { session_ = new orvo::ui::GuiSession(); }
  static void TearDownTestSuite() { delete session_; }

  // A window over the sample mailbox whose local state lives in `folder_`.
  std::unique_ptr<MailApp> start() const {
    engine::SampleMailbox sample = engine::sample_mailbox();
    std::vector<state::AccountEntry> accounts;
    for (auto& config : sample.accounts) accounts.push_back({.id = config.email, .config = std::move(config)});
    auto state = std::make_shared<state::MailState>(std::move(accounts), 0, nullptr, engine::sample_clock_minutes);
    for (auto& record : sample.messages) state->store.insert(std::move(record));
    state->repair_selection();
    return std::make_unique<MailApp>(std::move(state), LocalStateLocation::at(folder_.path()), std::nullopt);
  }

  static void settle(MailApp& app) {
    orvo::ui::FrameDriver driver(app, {1280, 800}, 1);
    driver.sync();
    driver.layout();
  }

  static inline orvo::ui::GuiSession* session_ = nullptr;
  orvo::storage::TempFolder folder_ = *orvo::storage::TempFolder::create("orvo-persist-test-");
};

TEST_F(PersistenceTest, ReadStarredMovedAndPurgedStayThatWayAfterARestart) {
  message::MessageId read_id;
  message::MessageId archived_id;
  message::MessageId purged_id;
  {
    auto app = start();
    settle(*app);
    state::MailState& state = app->state();
    const auto inbox = state.store.folder(message::FolderKind::Inbox);
    read_id = *std::ranges::find_if(inbox, [&](const auto& id) { return !state.store.find(id)->read; });
    archived_id = inbox.back();
    purged_id = state.store.folder(message::FolderKind::Junk).front();
    state.open_message(read_id);
    state.apply({.kind = state::LocalChange::Kind::Move, .ids = {archived_id}, .destination = message::FolderKind::Archive});
    state.apply({.kind = state::LocalChange::Kind::Move, .ids = {purged_id}, .destination = message::FolderKind::Trash});
    state.apply({.kind = state::LocalChange::Kind::Purge, .ids = {purged_id}});
    app->drain_effects();
  }
  auto app = start();  // the sample mailbox arrives as delivered: unread, in the Inbox, not purged
  settle(*app);
  const state::MessageStore& store = app->state().store;
  EXPECT_TRUE(store.find(read_id)->read);
  EXPECT_EQ(store.find(archived_id)->folder, message::FolderKind::Archive);
  EXPECT_EQ(store.find(purged_id), nullptr);
}

}  // namespace
}  // namespace mail::app
