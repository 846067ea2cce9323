#include "app/engine_link.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/sync_report.h"
#include "platform/log/log.h"
#include "platform/storage/atomic_file.h"
#include "platform/storage/temp_folder.h"

namespace mail::app {
namespace {

using orvo::accounts::SyncState;

// An engine whose both ends the test holds.
class EngineLinkTest : public ::testing::Test {
 protected:
  EngineLinkTest() : state_({state::AccountEntry{.id = "a@example.org", .config = account_}}, 0, nullptr, 0) {
    auto [request_sender, request_receiver] = orvo::thread::make_channel<engine::EngineRequest>();
    auto [event_sender, event_receiver] = orvo::thread::make_channel<engine::EngineEvent>();
    requests_.emplace(std::move(request_receiver));
    events_.emplace(std::move(event_sender));
    link_.emplace(engine::EngineHandle{std::move(request_sender), std::move(event_receiver)}, folder_.path());
  }

  engine::RequestId send(engine::EngineRequest request) { return *link_->send(std::move(request), state_); }

  std::string sync_state() const {
    const auto text = orvo::atomic_file::read(orvo::accounts::AccountSyncReporter(folder_.path()).status_path("a@example.org"));
    return text ? nlohmann::json::parse(*text)["state"].get<std::string>() : "";
  }

  engine::AccountConfig account_{.email = "a@example.org"};
  orvo::storage::TempFolder folder_ = *orvo::storage::TempFolder::create("orvo-link-test-");
  state::MailState state_;
  orvo::storage::Document document_;
  std::optional<orvo::thread::Receiver<engine::EngineRequest>> requests_;
  std::optional<orvo::thread::Sender<engine::EngineEvent>> events_;
  std::optional<EngineLink> link_;
};

TEST_F(EngineLinkTest, AppliesAnsweredEventsAndReportsSyncStatus) {
  const auto sync = send(engine::request::Sync{engine::RequestId::generate(), account_, message::FolderKind::Inbox});
  EXPECT_TRUE(link_->busy());
  EXPECT_EQ(sync_state(), "started");

  message::MessageRecord fetched;
  fetched.id = {0, 7};
  events_->send(engine::event::MessagesFetched{sync, message::FolderKind::Inbox, "a@example.org", {fetched}});
  events_->send(engine::event::Finished{sync, engine::RequestKind::Sync});
  EXPECT_TRUE(link_->apply_arrived_events(state_, document_));
  EXPECT_FALSE(link_->busy());
  EXPECT_EQ(state_.status, "Synced 1 messages");
  EXPECT_EQ(state_.selected, (message::MessageId{0, 7}));
  EXPECT_EQ(sync_state(), "succeeded");
  const bool* present = document_.get<bool>({"messages", fetched.id.to_string(), "present"});
  ASSERT_NE(present, nullptr);
  EXPECT_TRUE(*present);
}

TEST_F(EngineLinkTest, AnEmptyFetchSaysTheFolderIsUpToDate) {
  const auto sync = send(engine::request::Sync{engine::RequestId::generate(), account_, message::FolderKind::Inbox});
  events_->send(engine::event::MessagesFetched{sync, message::FolderKind::Inbox, "a@example.org", {}});
  link_->apply_arrived_events(state_, document_);
  EXPECT_EQ(state_.status, "Inbox up to date");
}

TEST_F(EngineLinkTest, FailuresShowTheOperationAndClassifyTheSyncStatus) {
  const auto connect = send(engine::request::Connect{engine::RequestId::generate(), account_});
  events_->send(engine::event::Failed{connect, engine::RequestKind::Connect, "connect", "Password rejected"});
  link_->apply_arrived_events(state_, document_);
  EXPECT_EQ(state_.status, "connect: Password rejected");
  EXPECT_EQ(sync_state(), "needs_authentication");
}

TEST_F(EngineLinkTest, IgnoresEventsThatAnswerNothingPending) {
  const auto connect = send(engine::request::Connect{engine::RequestId::generate(), account_});
  orvo::log::Capture log;
  events_->send(engine::event::Connected{engine::RequestId::generate(), "a@example.org"});  // unknown id
  events_->send(engine::event::MessagesFetched{connect, message::FolderKind::Inbox, "a@example.org", {}});  // wrong kind
  link_->apply_arrived_events(state_, document_);
  EXPECT_FALSE(state_.status.has_value());
  EXPECT_EQ(log.events().size(), 2u);
  EXPECT_TRUE(log.contains(orvo::log::Level::Warn, "mail: ignoring unmatched or wrong-kind engine event"));
  EXPECT_TRUE(link_->busy());
}

TEST_F(EngineLinkTest, AGoneWorkerLeavesNothingPending) {
  requests_.reset();
  EXPECT_FALSE(link_->send(engine::request::Connect{engine::RequestId::generate(), account_}, state_).has_value());
  EXPECT_EQ(state_.status, "Mail worker is unavailable");
  EXPECT_FALSE(link_->busy());
}

TEST(EngineLinkWithoutEngine, DropsRequests) {
  state::MailState state({}, 0, nullptr, 0);
  EngineLink link(std::nullopt, std::nullopt);
  EXPECT_FALSE(link.send(engine::request::Connect{engine::RequestId::generate(), {}}, state).has_value());
  EXPECT_FALSE(link.busy());
  EXPECT_FALSE(state.status.has_value());
}

TEST(SyncReport, AuthenticationWordsAskForASignIn) {
  const std::pair<std::string_view, SyncState> cases[] = {
      {"authentication failed \u2014 check the username and password", SyncState::NeedsAuthentication},
      {"LOGIN refused", SyncState::NeedsAuthentication},
      {"bad PASSWORD", SyncState::NeedsAuthentication},
      {"OAuth sign-in for a requires the live build", SyncState::NeedsAuthentication},
      {"stored credential is not an OAuth token", SyncState::NeedsAuthentication},
      {"connection refused \u2014 check the host and port", SyncState::Failed},
  };
  for (const auto& [error, expected] : cases) EXPECT_EQ(sync_state_for_failure(error), expected) << error;
}

}  // namespace
}  // namespace mail::app
