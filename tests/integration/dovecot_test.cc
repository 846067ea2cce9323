#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <chrono>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "integration/dovecot_server.h"
#include "integration/read_until.h"
#include "integration/results.h"
#include "integration/token_introspection_server.h"
#include "platform/net/connection.h"

namespace orvo::test_servers {

void PrintTo(const StoredMessage& message, std::ostream* out) {
  *out << "{uid " << message.uid << ", flags";
  for (const std::string& flag : message.flags) *out << " " << flag;
  *out << ", " << message.message_id << "}";
}

namespace {

using namespace std::chrono_literals;
using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string alice = "alice@example.test";
const std::string alice_password = "alice-secret";

class DovecotTest : public ::testing::Test {
 protected:
  TestCertificates certificates = require(TestCertificates::create());
  std::unique_ptr<TokenIntrospectionServer> tokens = require(TokenIntrospectionServer::start());
  DovecotServer dovecot =
      require(DovecotServer::start(certificates, {.users = {{.name = alice, .password = alice_password}},
                                                  .oauth_introspection_url = tokens->url()}));
  std::unique_ptr<net::Runtime> runtime = require(net::Runtime::create(2));
  net::TlsConfig tls = require(net::TlsConfig::with_extra_trust_anchor(certificates.ca()));

  net::Connection connect_imaps() {
    auto imap = require(net::Connection::connect_tls(*runtime, tls, "localhost", dovecot.imaps_port()));
    EXPECT_THAT(require(read_until(imap, "\r\n")), StartsWith("* OK"));
    return imap;
  }

  void TearDown() override {
    if (HasFailure()) std::cerr << "Dovecot's log:\n" << dovecot.log();
  }
};

// Whether a complete line of `received` is the answer tagged `tag` or a request to go on.
bool has_answer(const std::string& received, const std::string& tag) {
  std::size_t start = 0;
  for (std::size_t end; (end = received.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string_view line(received.data() + start, end - start);
    if (line.starts_with(tag + " ") || line.starts_with("+")) return true;
  }
  return false;
}

std::string read_answer(net::Connection& imap, const std::string& tag) {
  std::string received;
  while (!has_answer(received, tag)) received += require(imap.read_some());
  return received;
}

std::string command(net::Connection& imap, const std::string& tag, const std::string& text) {
  require(imap.write_all(tag + " " + text + "\r\n"));
  return read_answer(imap, tag);
}

std::string login(net::Connection& imap, const std::string& tag, const std::string& user, const std::string& password) {
  return command(imap, tag, "LOGIN \"" + user + "\" \"" + password + "\"");
}

std::string base64(std::string_view bytes) {
  std::string encoded(4 * ((bytes.size() + 2) / 3) + 1, '\0');
  const int length =
      ::EVP_EncodeBlock(reinterpret_cast<unsigned char*>(encoded.data()),
                        reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()));
  encoded.resize(static_cast<std::size_t>(length));
  return encoded;
}

std::string authenticate_xoauth2(net::Connection& imap, const std::string& user, const std::string& token) {
  const std::string response = "user=" + user + "\x01" + "auth=Bearer " + token + "\x01\x01";
  const std::string answer = command(imap, "a", "AUTHENTICATE XOAUTH2 " + base64(response));
  if (!answer.starts_with("+")) return answer;
  // A refusal first comes as a challenge carrying the details; the client answers it
  // with an empty line to hear the verdict.
  require(imap.write_all("\r\n"));
  return read_answer(imap, "a");
}

std::string message_with_id(const std::string& message_id) {
  return "From: Bob <bob@example.test>\r\nTo: " + alice + "\r\nSubject: Hello\r\nMessage-ID: " + message_id +
         "\r\n\r\nHello, Alice.\r\n";
}

TEST_F(DovecotTest, PasswordLoginsOverImplicitTlsSeeTheStandardMailboxes) {
  auto imap = connect_imaps();
  EXPECT_THAT(login(imap, "a", alice, "wrong"), HasSubstr("a NO [AUTHENTICATIONFAILED]"));
  // A failed login from 127.0.0.1 leaves no penalty behind that would hold up the next.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_THAT(login(imap, "b", alice, alice_password), HasSubstr("b OK"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);

  const std::string listing = command(imap, "c", "LIST \"\" \"*\"");
  for (const std::string_view name : standard_mailboxes) {
    const std::string mailbox(name);
    EXPECT_THAT(listing, HasSubstr(" \"/\" " + mailbox + "\r\n"));
    if (mailbox != "INBOX") {
      EXPECT_THAT(listing, HasSubstr("\\" + mailbox + ") \"/\" " + mailbox));
    }
  }
}

TEST_F(DovecotTest, ThePlainPortUpgradesWithStartTls) {
  auto imap = require(net::Connection::connect_plain(*runtime, tls, "localhost", dovecot.imap_port()));
  EXPECT_THAT(require(read_until(imap, "\r\n")), HasSubstr("STARTTLS"));
  EXPECT_THAT(command(imap, "a", "STARTTLS"), HasSubstr("a OK"));
  ASSERT_TRUE(imap.start_tls().has_value());
  EXPECT_THAT(login(imap, "b", alice, alice_password), HasSubstr("b OK"));
}

TEST_F(DovecotTest, XOAuth2LoginsFollowTheIntrospectionEndpoint) {
  tokens->grant("alice-token", alice);
  tokens->grant("revoked-token", alice);
  tokens->revoke("revoked-token");
  const struct {
    const char* token;
    const char* answer;
  } cases[] = {{"alice-token", "a OK"}, {"revoked-token", "a NO"}};
  for (const auto& [token, answer] : cases) {
    SCOPED_TRACE(token);
    auto imap = connect_imaps();
    EXPECT_THAT(authenticate_xoauth2(imap, alice, token), HasSubstr(answer));
  }
}

TEST_F(DovecotTest, SeededMessagesKeepTheirOrderAndFlags) {
  const SeedMessage inbox[] = {{.raw = message_with_id("<one@example.test>"), .flags = "S"},
                               {.raw = message_with_id("<two@example.test>"), .flags = ""},
                               {.raw = message_with_id("<three@example.test>"), .flags = "SF"}};
  const SeedMessage sent[] = {{.raw = message_with_id("<sent@example.test>"), .flags = "S"}};
  require(dovecot.seed(alice, "INBOX", inbox));
  require(dovecot.seed(alice, "Sent", sent));

  auto imap = connect_imaps();
  ASSERT_THAT(login(imap, "a", alice, alice_password), HasSubstr("a OK"));
  EXPECT_THAT(command(imap, "b", "SELECT INBOX"), HasSubstr("* 3 EXISTS"));
  // Seeding a mailbox Dovecot has already indexed carries on after its last UID.
  const SeedMessage later[] = {{.raw = message_with_id("<four@example.test>"), .flags = "R"}};
  require(dovecot.seed(alice, "INBOX", later));

  const std::vector<StoredMessage> stored_inbox = {
      {.uid = 1, .flags = {"\\Seen"}, .message_id = "<one@example.test>"},
      {.uid = 2, .flags = {}, .message_id = "<two@example.test>"},
      {.uid = 3, .flags = {"\\Flagged", "\\Seen"}, .message_id = "<three@example.test>"},
      {.uid = 4, .flags = {"\\Answered"}, .message_id = "<four@example.test>"}};
  const std::vector<StoredMessage> stored_sent = {{.uid = 1, .flags = {"\\Seen"}, .message_id = "<sent@example.test>"}};
  EXPECT_EQ(require(dovecot.read_back(alice, "INBOX")), stored_inbox);
  EXPECT_EQ(require(dovecot.read_back(alice, "Sent")), stored_sent);
}

}  // namespace
}  // namespace orvo::test_servers
