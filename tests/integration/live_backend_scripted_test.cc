#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "engine/live/live_backend.h"
#include "integration/misbehaving_servers.h"
#include "integration/openssl_server.h"
#include "integration/results.h"
#include "integration/scripted_imap_server.h"
#include "integration/test_certificates.h"

namespace mail::engine::live {
namespace {

using namespace std::chrono_literals;
using message::FolderKind;
using orvo::test_servers::require;
using orvo::test_servers::ScriptedImapServer;
using orvo::test_servers::ScriptedReply;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

constexpr auto idle_timeout = 300ms;
constexpr const char* timed_out = "connection timed out — the server didn't respond";

// The commands every scripted session starts and ends with.
std::vector<ScriptedReply> script(std::vector<ScriptedReply> operation) {
  operation.insert(operation.begin(), {.command = "LOGIN", .reply = "{tag} OK logged in\r\n"});
  operation.push_back({.command = "LOGOUT", .reply = "* BYE\r\n{tag} OK\r\n", .hang_up = true});
  return operation;
}

const ScriptedReply selected{.command = "SELECT", .reply = "* 3 EXISTS\r\n{tag} OK [READ-WRITE] selected\r\n"};

std::string literal(const std::string& text) { return "{" + std::to_string(text.size()) + "}\r\n" + text; }

std::string raw_message(const std::string& subject, const std::string& date_header) {
  return "From: bob@example.test\r\nSubject: " + subject + "\r\nMessage-ID: <" + subject + "@example.test>\r\n" +
         date_header + "\r\nHello.\r\n";
}

class LiveBackendScriptedTest : public ::testing::Test {
 protected:
  std::vector<EngineEvent> handle(EngineRequest request) {
    auto [sender, receiver] = orvo::thread::make_channel<EngineEvent>();
    backend->handle(std::move(request), sender);
    return receiver.drain();
  }

  static AccountConfig account(std::uint16_t port) {
    return {.email = "alice@example.test", .imap_host = "localhost", .imap_port = port, .password = "secret"};
  }

  std::unique_ptr<ScriptedImapServer> serve(std::vector<ScriptedReply> operation) {
    return require(ScriptedImapServer::start(certificates.server(), script(std::move(operation))));
  }

  orvo::test_servers::TestCertificates certificates = require(orvo::test_servers::TestCertificates::create());
  std::unique_ptr<LiveBackend> backend =
      require(LiveBackend::create({.extra_trust_anchor = certificates.ca(), .idle_timeout = idle_timeout}));
};

event::Failed failure(const std::vector<EngineEvent>& events) {
  EXPECT_EQ(events.size(), 1u);
  if (events.size() != 1 || !std::holds_alternative<event::Failed>(events[0])) return {.error = "(no failure)"};
  return std::get<event::Failed>(events[0]);
}

TEST_F(LiveBackendScriptedTest, CertificatesThatCannotBeTrustedGiveTheTlsWording) {
  for (const auto& identity : {certificates.untrusted(), certificates.expired(), certificates.wrong_name()}) {
    SCOPED_TRACE(identity.certificate.string());
    const auto server = require(orvo::test_servers::OpenSslServer::start(identity));
    const auto failed = failure(handle(request::Connect{RequestId::generate(), account(server.port())}));
    EXPECT_EQ(failed.operation, "connect");
    EXPECT_EQ(failed.error, "TLS/certificate error — the server's certificate wasn't trusted");
  }
}

TEST_F(LiveBackendScriptedTest, UnreachableServersAreWordedForPeople) {
  const auto closed = require(orvo::test_servers::reserve_closed_port());
  EXPECT_EQ(failure(handle(request::Connect{RequestId::generate(), account(closed.port)})).error,
            "connection refused — check the host and port");

  const auto silent = require(orvo::test_servers::start_silent_server());
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(failure(handle(request::Connect{RequestId::generate(), account(silent.port)})).error, timed_out);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
}

TEST_F(LiveBackendScriptedTest, SyncDatesMessagesByTheServerElseTheirHeaderElseTheSyncStart) {
  const std::string fetch_answer =
      "* 1 FETCH (UID 3 FLAGS (\\Seen) INTERNALDATE \"14-Nov-2023 22:13:20 +0000\" BODY[] " +
      literal(raw_message("internal", "Date: Sat, 01 Jan 2000 00:00:00 +0000")) + ")\r\n" +
      "* 2 FETCH (UID 2 FLAGS () BODY[] " + literal(raw_message("header", "Date: Sat, 01 Jan 2000 00:00:00 +0000")) +
      ")\r\n" + "* 3 FETCH (UID 1 BODY[] " + literal(raw_message("undated", "X-Note: no date")) + ")\r\n" +
      "* 3 FETCH (FLAGS (\\Seen))\r\n" + "{tag} OK fetched\r\n";
  const auto server = serve({selected,
                             {.command = "UID SEARCH ALL", .reply = "* SEARCH 1 3 2\r\n{tag} OK\r\n"},
                             {.command = "UID FETCH", .reply = fetch_answer}});
  const auto minute_now = [] {
    return std::chrono::duration_cast<std::chrono::minutes>(std::chrono::system_clock::now().time_since_epoch())
        .count();
  };
  const auto before = minute_now();

  const auto events = handle(request::Sync{RequestId::generate(), account(server->port()), FolderKind::Inbox});

  ASSERT_EQ(events.size(), 1u) << failure(events).error;
  const auto& records = std::get<event::MessagesFetched>(events[0]).messages;
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].subject, "internal");
  EXPECT_EQ(records[0].date, 1'700'000'000 / 60);
  EXPECT_TRUE(records[0].read);
  EXPECT_EQ(records[1].date, 946'684'800 / 60);
  EXPECT_GE(records[2].date, before);
  EXPECT_LE(records[2].date, minute_now());
  EXPECT_THAT(server->received(),
              ElementsAre("LOGIN \"alice@example.test\" \"secret\"", "SELECT \"INBOX\"", "UID SEARCH ALL",
                          "UID FETCH 3,2,1 (UID FLAGS INTERNALDATE BODY.PEEK[])", "LOGOUT"));
}

TEST_F(LiveBackendScriptedTest, AnyErrorDuringASyncFailsItWithoutAPartialList) {
  const std::string one_whole_message =
      "* 1 FETCH (UID 2 FLAGS () BODY[] " + literal(raw_message("whole", "X-Note: complete")) + ")\r\n";
  const struct {
    const char* name;
    std::vector<ScriptedReply> operation;
    std::string error;
  } cases[] = {
      {"closes mid-FETCH",
       {selected,
        {.command = "UID SEARCH", .reply = "* SEARCH 1 2\r\n{tag} OK\r\n"},
        {.command = "UID FETCH",
         .reply = one_whole_message + "* 2 FETCH (UID 1 BODY[] {500}\r\nFrom: cu",
         .hang_up = true}},
       "connection failed: connection closed by the server"},
      {"falls silent after login", {{.command = "SELECT", .reply = ""}}, timed_out},
      {"has no such mailbox",
       {{.command = "SELECT", .reply = "{tag} NO [NONEXISTENT] Mailbox doesn't exist: Archive\r\n"}},
       "[NONEXISTENT] Mailbox doesn't exist: Archive"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto server = serve(c.operation);
    const auto failed =
        failure(handle(request::Sync{RequestId::generate(), account(server->port()), FolderKind::Archive}));
    EXPECT_EQ(failed.kind, RequestKind::Sync);
    EXPECT_EQ(failed.operation, "fetch");
    EXPECT_EQ(failed.error, c.error);
    EXPECT_THAT(server->received(), Not(Contains("LOGOUT")));
  }
}

TEST_F(LiveBackendScriptedTest, APurgeTheServerCannotExpungeSafelyLeavesTheMessageMarkedDeleted) {
  const auto server = serve({selected,
                             {.command = "UID SEARCH", .reply = "* SEARCH 7\r\n{tag} OK\r\n"},
                             {.command = "UID STORE", .reply = "{tag} OK stored\r\n"},
                             {.command = "UID EXPUNGE", .reply = "{tag} BAD Unknown command UID EXPUNGE\r\n"}});

  const auto failed = failure(handle(
      request::Purge{RequestId::generate(), account(server->port()),
                     message::MessageRecord{.message_id = "<a\"b\\c@example.test>", .folder = FolderKind::Starred}}));

  EXPECT_EQ(failed.operation, "purge");
  EXPECT_EQ(failed.error, "server cannot safely expunge this message: Unknown command UID EXPUNGE");
  EXPECT_THAT(server->received(), ElementsAre("LOGIN \"alice@example.test\" \"secret\"", "SELECT \"INBOX\"",
                                              R"(UID SEARCH HEADER MESSAGE-ID "<a\"b\\c@example.test>")",
                                              "UID STORE 7 +FLAGS.SILENT (\\Deleted)", "UID EXPUNGE 7"));
}

}  // namespace
}  // namespace mail::engine::live
