#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "engine/live/curl_token_endpoint.h"
#include "engine/live/live_backend.h"
#include "engine/live/scoped_variable.h"
#include "engine/oauth_tokens.h"
#include "integration/dovecot_server.h"
#include "integration/results.h"
#include "integration/token_endpoint_server.h"
#include "integration/token_introspection_server.h"
#include "platform/accounts/secret_vault.h"
#include "platform/storage/temp_folder.h"

namespace mail::engine::live {
namespace {

using message::FolderKind;
using message::MessageRecord;
using orvo::test_servers::DovecotServer;
using orvo::test_servers::require;
using orvo::test_servers::SeedMessage;
using orvo::test_servers::StoredMessage;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::Field;
using ::testing::IsSupersetOf;
using ::testing::UnorderedElementsAreArray;

const std::string alice = "alice@example.test";
const std::string alice_password = "alice-secret";

std::string raw_message(const std::string& message_id, const std::string& subject) {
  return "From: Bob <bob@example.test>\r\nTo: " + alice + "\r\nSubject: " + subject + "\r\nMessage-ID: <" + message_id +
         ">\r\nDate: Tue, 14 Nov 2023 22:13:20 +0000\r\n\r\nHello, Alice.\r\n";
}

// Message-IDs are given as records carry them, without their angle brackets.
SeedMessage seed(const std::string& message_id, std::string flags = "") {
  return {.raw = raw_message(message_id, "About " + message_id), .flags = std::move(flags)};
}

MessageRecord record(const std::string& message_id, FolderKind folder, bool read = false, bool starred = false) {
  return {.message_id = message_id, .read = read, .starred = starred, .folder = folder};
}

StoredMessage stored(std::uint32_t uid, const std::string& message_id, std::vector<std::string> flags = {}) {
  return {.uid = uid, .flags = std::move(flags), .message_id = "<" + message_id + ">"};
}

class LiveBackendDovecotTest : public ::testing::Test {
 protected:
  std::vector<EngineEvent> handle(EngineRequest request) {
    auto [sender, receiver] = orvo::thread::make_channel<EngineEvent>();
    backend->handle(std::move(request), sender);
    return receiver.drain();
  }

  [[nodiscard]] AccountConfig account() const {
    // The TLS switch is off: the engine uses TLS all the same.
    return {.email = alice,
            .imap_host = "localhost",
            .imap_port = dovecot.imaps_port(),
            .imap_tls = false,
            .password = alice_password};
  }

  void seed_mailbox(std::string_view mailbox, const std::vector<SeedMessage>& messages) {
    require(dovecot.seed(alice, mailbox, messages));
  }

  [[nodiscard]] std::vector<StoredMessage> mailbox(std::string_view name) const {
    return require(dovecot.read_back(alice, name));
  }

  [[nodiscard]] LiveBackendOptions options() {
    return {.extra_trust_anchor = certificates.ca(),
            .vault_folder = vault.path(),
            .observer = [this](std::string_view command) { commands.emplace_back(command); }};
  }

  void store_tokens(const std::string& account_key, const OAuthTokens& tokens) const {
    auto secrets = require(orvo::accounts::SecretVault::open_in(vault.path()));
    secrets.put({account_key}, to_json(tokens));
    require(secrets.try_save());
  }

  void TearDown() override {
    if (HasFailure()) std::cerr << "Dovecot's log:\n" << dovecot.log();
  }

  orvo::test_servers::TestCertificates certificates = require(orvo::test_servers::TestCertificates::create());
  std::unique_ptr<orvo::test_servers::TokenIntrospectionServer> tokens =
      require(orvo::test_servers::TokenIntrospectionServer::start());
  DovecotServer dovecot =
      require(DovecotServer::start(certificates, {.users = {{.name = alice, .password = alice_password}},
                                                  .oauth_introspection_url = tokens->url()}));
  orvo::storage::TempFolder vault = require(orvo::storage::TempFolder::create("orvo-live-vault-"));
  std::vector<std::string> commands;
  std::unique_ptr<LiveBackend> backend = require(LiveBackend::create(options()));
};

const event::MessagesFetched& fetched(const std::vector<EngineEvent>& events) {
  return std::get<event::MessagesFetched>(events.at(0));
}

const event::Failed& failure(const std::vector<EngineEvent>& events) { return std::get<event::Failed>(events.at(0)); }

std::vector<std::string> subjects(const std::vector<MessageRecord>& records) {
  std::vector<std::string> subjects;
  for (const MessageRecord& record : records) subjects.push_back(record.subject);
  return subjects;
}

TEST_F(LiveBackendDovecotTest, ConnectListsTheServersFoldersAndLogsOut) {
  const RequestId id = RequestId::generate();
  const auto events = handle(request::Connect{id, account()});

  ASSERT_EQ(events.size(), 2u);
  const auto& connected = std::get<event::Connected>(events[0]);
  EXPECT_EQ(connected.id, id);
  EXPECT_EQ(connected.email, alice);
  const auto& listed = std::get<event::FoldersListed>(events[1]);
  EXPECT_EQ(listed.email, alice);
  EXPECT_THAT(listed.folders, UnorderedElementsAreArray(orvo::test_servers::standard_mailboxes));
  EXPECT_THAT(commands, ElementsAre("LIST \"\" *", "LOGOUT"));
}

TEST_F(LiveBackendDovecotTest, SyncFetchesTheFiftyNewestMessagesHighestUidFirstWithoutReadingThem) {
  std::vector<SeedMessage> messages;
  for (int n = 1; n <= 120; ++n) messages.push_back(seed(std::to_string(n) + "@example.test"));
  messages[119].flags = "S";
  messages[118].flags = "F";
  seed_mailbox("INBOX", messages);

  const auto events = handle(request::Sync{RequestId::generate(), account(), FolderKind::Inbox});

  ASSERT_EQ(events.size(), 1u);
  const auto& result = fetched(events);
  EXPECT_EQ(result.folder, FolderKind::Inbox);
  EXPECT_EQ(result.email, alice);
  std::string window;
  std::vector<std::string> expected_subjects;
  for (int uid = 120; uid >= 71; --uid) {
    window += (window.empty() ? "" : ",") + std::to_string(uid);
    expected_subjects.push_back("About " + std::to_string(uid) + "@example.test");
  }
  EXPECT_THAT(subjects(result.messages), UnorderedElementsAreArray(expected_subjects));
  EXPECT_THAT(commands, ElementsAre("SELECT \"INBOX\"", "UID SEARCH ALL",
                                    "UID FETCH " + window + " (UID FLAGS INTERNALDATE BODY.PEEK[])", "LOGOUT"));
  for (const MessageRecord& message : result.messages) {
    EXPECT_EQ(message.read, message.message_id == "120@example.test") << *message.message_id;
    EXPECT_EQ(message.starred, message.message_id == "119@example.test") << *message.message_id;
    EXPECT_EQ(message.folder, FolderKind::Inbox);
  }
  EXPECT_THAT(mailbox("INBOX").at(79).flags, ElementsAre()) << "fetching must not mark messages read";
}

TEST_F(LiveBackendDovecotTest, SyncReadsTheMailboxAndCriterionOfEachFolderView) {
  seed_mailbox("INBOX", {seed("plain@example.test"), seed("starred@example.test", "F")});
  const struct {
    FolderKind folder;
    std::vector<std::string> commands;
    std::vector<std::string> subjects;
  } cases[] = {
      {FolderKind::Starred,
       {"SELECT \"INBOX\"", "UID SEARCH FLAGGED", "UID FETCH 2 (UID FLAGS INTERNALDATE BODY.PEEK[])", "LOGOUT"},
       {"About starred@example.test"}},
      {FolderKind::Junk, {"SELECT \"Junk\"", "UID SEARCH ALL", "LOGOUT"}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(message::display_name(c.folder));
    commands.clear();
    const auto events = handle(request::Sync{RequestId::generate(), account(), c.folder});
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(fetched(events).folder, c.folder);
    EXPECT_THAT(subjects(fetched(events).messages), ElementsAreArray(c.subjects));
    EXPECT_THAT(fetched(events).messages, ::testing::Each(Field(&MessageRecord::folder, c.folder)));
    EXPECT_THAT(commands, ElementsAreArray(c.commands));
  }
}

TEST_F(LiveBackendDovecotTest, SetFlagsStoresSeenThenFlaggedOnTheNewestCopy) {
  const std::string id = "twice@example.test";
  seed_mailbox("INBOX", {seed(id, "S"), seed(id, "S")});

  // Starring an unread message.
  EXPECT_THAT(handle(request::SetFlags{RequestId::generate(), account(), record(id, FolderKind::Starred, false, true)}),
              ElementsAre());

  EXPECT_THAT(commands, ElementsAre("SELECT \"INBOX\"", "UID SEARCH HEADER MESSAGE-ID \"twice@example.test\"",
                                    "UID STORE 2 -FLAGS (\\Seen)", "UID STORE 2 +FLAGS (\\Flagged)", "LOGOUT"));
  EXPECT_THAT(mailbox("INBOX"), ElementsAre(stored(1, id, {"\\Seen"}), stored(2, id, {"\\Flagged"})));
}

TEST_F(LiveBackendDovecotTest, MoveTakesAMessageFromTheMailboxOfItsFolderView) {
  const std::string id = "moving@example.test";
  seed_mailbox("INBOX", {seed(id, "F")});

  EXPECT_THAT(handle(request::Move{RequestId::generate(), account(), record(id, FolderKind::Starred, false, true),
                                   FolderKind::Archive}),
              ElementsAre());
  EXPECT_THAT(mailbox("INBOX"), ElementsAre());
  EXPECT_THAT(mailbox("Archive"), ElementsAre(stored(1, id, {"\\Flagged"})));

  // Moving to Starred puts it back in INBOX.
  EXPECT_THAT(
      handle(request::Move{RequestId::generate(), account(), record(id, FolderKind::Archive), FolderKind::Starred}),
      ElementsAre());
  EXPECT_THAT(mailbox("INBOX"), ElementsAre(stored(2, id, {"\\Flagged"})));
  EXPECT_THAT(commands, IsSupersetOf({"SELECT \"INBOX\"", "UID MOVE 1 \"Archive\"", "SELECT \"Archive\"",
                                      "UID MOVE 1 \"INBOX\""}));
}

TEST_F(LiveBackendDovecotTest, PurgeExpungesOnlyItsOwnMessage) {
  seed_mailbox("Trash",
               {seed("kept@example.test"), seed("marked-elsewhere@example.test", "T"), seed("purged@example.test")});

  EXPECT_THAT(
      handle(request::Purge{RequestId::generate(), account(), record("purged@example.test", FolderKind::Trash)}),
      ElementsAre());

  EXPECT_THAT(mailbox("Trash"),
              ElementsAre(stored(1, "kept@example.test"), stored(2, "marked-elsewhere@example.test", {"\\Deleted"})));
  EXPECT_THAT(commands, IsSupersetOf({"UID STORE 3 +FLAGS.SILENT (\\Deleted)", "UID EXPUNGE 3"}));
}

TEST_F(LiveBackendDovecotTest, ChangesToAMessageTheServerNoLongerHasFailWithTheOperationsName) {
  const std::string id = "gone@example.test";
  seed_mailbox("INBOX", {seed(id)});
  ASSERT_THAT(handle(request::Move{RequestId::generate(), account(), record(id, FolderKind::Inbox), FolderKind::Trash}),
              ElementsAre());

  const struct {
    EngineRequest request;
    const char* operation;
    const char* error;
  } cases[] = {
      {request::SetFlags{RequestId::generate(), account(), record(id, FolderKind::Inbox, true)}, "flag",
       "message not found on the server"},
      {request::Move{RequestId::generate(), account(), record(id, FolderKind::Inbox), FolderKind::Archive}, "move",
       "message not found on the server"},
      {request::Purge{RequestId::generate(), account(), record(id, FolderKind::Inbox)}, "purge",
       "message not found on the server"},
      {request::Purge{RequestId::generate(), account(), MessageRecord{.folder = FolderKind::Trash}}, "purge",
       "message has no Message-ID to locate it on the server"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.operation);
    const auto events = handle(c.request);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(failure(events).kind, kind_of(c.request));
    EXPECT_EQ(failure(events).operation, c.operation);
    EXPECT_EQ(failure(events).error, c.error);
  }
  EXPECT_THAT(mailbox("Trash"), ElementsAre(stored(1, id)));
}

TEST_F(LiveBackendDovecotTest, AWrongPasswordIsReportedAsAnAuthenticationFailure) {
  AccountConfig wrong = account();
  wrong.password = "not-alice-secret";
  const auto events = handle(request::Sync{RequestId::generate(), wrong, FolderKind::Inbox});
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(failure(events).operation, "fetch");
  EXPECT_EQ(failure(events).error, "authentication failed — check the username and password");
}

TEST_F(LiveBackendDovecotTest, OAuthAccountsLogInWithXOAuth2AsTheirAddressWhenNoUserNameIsSet) {
  tokens->grant("good-token", alice);
  const AccountConfig oauth{
      .email = alice, .imap_host = "localhost", .imap_port = dovecot.imaps_port(), .auth = AuthKind::OAuth};
  const std::uint64_t now = unix_seconds(std::chrono::system_clock::now());

  store_tokens(alice, {.access_token = "good-token", .expires_in = 3600, .obtained_at = now});
  EXPECT_THAT(handle(request::Connect{RequestId::generate(), oauth}),
              ElementsAre(::testing::VariantWith<event::Connected>(::testing::_),
                          ::testing::VariantWith<event::FoldersListed>(::testing::_)));

  store_tokens(alice, {.access_token = "bad-token", .expires_in = 3600, .obtained_at = now});
  const auto refused = handle(request::Connect{RequestId::generate(), oauth});
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_EQ(failure(refused).operation, "connect");
  EXPECT_EQ(failure(refused).error, "authentication failed — check the username and password");
}

TEST_F(LiveBackendDovecotTest, AnExpiredTokenIsRefreshedAtTheTokenEndpointBeforeLoggingIn) {
  // The address decides the provider; the user name is what the server knows.
  const std::string gmail_address = "alice@gmail.com";
  const ScopedVariable client_id("ORVO_MAIL_GOOGLE_CLIENT_ID", "test client");
  auto endpoint = require(
      orvo::test_servers::TokenEndpointServer::start(R"({"access_token":"refreshed-token","expires_in":3600})"));
  tokens->grant("refreshed-token", alice);
  store_tokens(gmail_address, {.access_token = "stale-token", .refresh_token = "refresh-1", .expires_in = 3600});
  LiveBackendOptions refreshing = options();
  refreshing.token_endpoint = std::make_shared<CurlTokenEndpoint>(endpoint->url());
  backend = require(LiveBackend::create(refreshing));

  const AccountConfig oauth{.email = gmail_address,
                            .imap_host = "localhost",
                            .imap_port = dovecot.imaps_port(),
                            .username = alice,
                            .auth = AuthKind::OAuth};
  const auto events = handle(request::Connect{RequestId::generate(), oauth});

  ASSERT_EQ(events.size(), 2u) << (events.empty() ? "" : failure(events).error);
  EXPECT_THAT(endpoint->forms(),
              ElementsAre("grant_type=refresh_token&client_id=test%20client&refresh_token=refresh-1"));
  const auto kept =
      oauth_tokens_from_json(*require(orvo::accounts::SecretVault::open_in(vault.path())).get({gmail_address}));
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->access_token, "refreshed-token");
  EXPECT_EQ(kept->refresh_token, "refresh-1");
}

}  // namespace
}  // namespace mail::engine::live
