#include "platform/net/connection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <functional>
#include <string>

#include "integration/misbehaving_servers.h"
#include "integration/openssl_server.h"
#include "integration/read_until.h"
#include "integration/results.h"
#include "integration/test_certificates.h"

namespace orvo::net {
namespace {

using namespace std::chrono_literals;
using test_servers::CertificateFiles;
using test_servers::error_of;
using test_servers::OpenSslServer;
using test_servers::read_until;
using test_servers::require;
using test_servers::TestCertificates;
using ::testing::AnyOf;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr Timeouts short_timeouts{.idle = 300ms};

class ConnectionTest : public ::testing::Test {
 protected:
  TestCertificates certificates = require(TestCertificates::create());
  std::unique_ptr<Runtime> runtime = require(Runtime::create(2));
  TlsConfig trusting_test_ca = require(TlsConfig::with_extra_trust_anchor(certificates.ca()));
};

std::string lower_case(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The time `action` took.
template <class Action>
std::chrono::steady_clock::duration timed(Action action) {
  const auto start = std::chrono::steady_clock::now();
  action();
  return std::chrono::steady_clock::now() - start;
}

TEST_F(ConnectionTest, ExchangesBytesWithATrustedServerByNameAndByAddress) {
  auto server = require(OpenSslServer::start(certificates.server()));
  for (const char* const host : {"localhost", "127.0.0.1"}) {
    SCOPED_TRACE(host);
    auto connection = Connection::connect_tls(*runtime, trusting_test_ca, host, server.port());
    ASSERT_TRUE(connection.has_value()) << connection.error();
    ASSERT_TRUE(connection->write_all("hello\n").has_value());
    EXPECT_EQ(read_until(*connection, "\n").value_or(""), "olleh\n");
  }
}

TEST_F(ConnectionTest, CarriesMoreThanOneTlsRecordEachWay) {
  auto server = require(OpenSslServer::start(certificates.server()));
  std::string lines;
  std::string reversed;
  for (int i = 10000; i < 14000; ++i) {
    const std::string number = std::to_string(i);
    lines += "line-" + number + "\n";
    reversed += std::string(number.rbegin(), number.rend()) + "-enil\n";
  }
  auto connection = require(Connection::connect_tls(*runtime, trusting_test_ca, "localhost", server.port()));
  ASSERT_TRUE(connection.write_all(lines).has_value());
  EXPECT_EQ(read_until(connection, "99931-enil\n").value_or(""), reversed);
}

TEST_F(ConnectionTest, RefusesCertificatesItCannotTrust) {
  const struct {
    const char* name;
    CertificateFiles identity;
    const char* host;
    bool trust_test_ca;
    const char* reason;
  } cases[] = {
      {"unknown issuer", certificates.untrusted(), "localhost", true, "unable to get local issuer certificate"},
      {"test CA without the extra anchor", certificates.server(), "localhost", false,
       "unable to get local issuer certificate"},
      {"expired", certificates.expired(), "localhost", true, "certificate has expired"},
      {"other host name", certificates.wrong_name(), "localhost", true, "hostname mismatch"},
      {"other address", certificates.wrong_name(), "127.0.0.1", true, "IP address mismatch"},
  };
  const TlsConfig system_trust = require(TlsConfig::create());
  for (const auto& refusal : cases) {
    SCOPED_TRACE(refusal.name);
    auto server = require(OpenSslServer::start(refusal.identity));
    const auto connection = Connection::connect_tls(*runtime, refusal.trust_test_ca ? trusting_test_ca : system_trust,
                                                    refusal.host, server.port());
    ASSERT_FALSE(connection.has_value());
    EXPECT_THAT(connection.error(), HasSubstr("certificate verify failed"));
    EXPECT_THAT(connection.error(), HasSubstr(refusal.reason));
  }
}

TEST_F(ConnectionTest, AClosedPortIsRefused) {
  const auto closed = require(test_servers::reserve_closed_port());
  const auto connection = Connection::connect_tls(*runtime, trusting_test_ca, "127.0.0.1", closed.port);
  ASSERT_FALSE(connection.has_value());
  EXPECT_THAT(connection.error(), HasSubstr("refused"));
}

TEST_F(ConnectionTest, EveryWaitForASilentServerEndsAfterTheIdleTimeout) {
  const auto silent = require(test_servers::start_silent_server());
  auto echo = require(OpenSslServer::start(certificates.server()));
  auto plain = require(Connection::connect_plain(*runtime, trusting_test_ca, "localhost", silent.port, short_timeouts));
  auto secured = require(Connection::connect_tls(*runtime, trusting_test_ca, "localhost", echo.port(), short_timeouts));

  const struct {
    const char* name;
    std::function<std::string()> wait;
  } waits[] = {
      {"handshake",
       [&] {
         return error_of(Connection::connect_tls(*runtime, trusting_test_ca, "localhost", silent.port, short_timeouts));
       }},
      {"plain read", [&] { return error_of(plain.read_some()); }},
      {"secured read", [&] { return error_of(secured.read_some()); }},
  };
  for (const auto& [name, wait] : waits) {
    SCOPED_TRACE(name);
    std::string error;
    const auto waited = timed([&] { error = wait(); });
    EXPECT_THAT(error, HasSubstr("timed out"));
    // Nothing in it may read as a TLS failure: the server is silent, not untrusted.
    EXPECT_THAT(lower_case(error),
                Not(AnyOf(HasSubstr("tls"), HasSubstr("ssl"), HasSubstr("handshake"), HasSubstr("certificate"))));
    EXPECT_GE(waited, short_timeouts.idle);
    EXPECT_LT(waited, 2s);
  }
  // The timeout closed the connection: nothing half-done is waited for again.
  EXPECT_LT(timed([&] { EXPECT_FALSE(secured.read_some().has_value()); }), 100ms);
}

TEST_F(ConnectionTest, AServerThatGoesAwayMidStreamEndsTheWaitWithAnError) {
  auto closing = require(test_servers::start_closing_server("* OK and then noth"));

  auto plain = require(Connection::connect_plain(*runtime, trusting_test_ca, "localhost", closing->port()));
  std::string received;
  std::expected<std::string, std::string> piece;
  while ((piece = plain.read_some())) received += *piece;
  EXPECT_EQ(received, "* OK and then noth");
  EXPECT_EQ(piece.error(), "connection closed by the server");

  const auto handshake = Connection::connect_tls(*runtime, trusting_test_ca, "localhost", closing->port());
  ASSERT_FALSE(handshake.has_value());
  EXPECT_THAT(handshake.error(), HasSubstr("TLS handshake failed"));

  auto echo = require(OpenSslServer::start(certificates.server()));
  auto secured = require(Connection::connect_tls(*runtime, trusting_test_ca, "localhost", echo.port()));
  ASSERT_TRUE(secured.write_all("hi\n").has_value());
  ASSERT_EQ(read_until(secured, "\n").value_or(""), "ih\n");
  echo.stop();
  EXPECT_EQ(error_of(secured.read_some()), "connection closed by the server");
}

TEST(NetSetup, RefusesWhatCannotWorkBeforeAnyNetworkUse) {
  EXPECT_EQ(error_of(Runtime::create(0)), "the network runtime needs at least one thread");
  EXPECT_THAT(error_of(TlsConfig::with_extra_trust_anchor("/nonexistent/ca.pem")),
              HasSubstr("could not load the trust anchor /nonexistent/ca.pem: "));

  auto runtime = require(Runtime::create(1));
  EXPECT_EQ(error_of(Connection::connect_tls(*runtime, require(TlsConfig::create()), "imap example.com", 993)),
            "invalid server name: ' ' is not allowed");
}

}  // namespace
}  // namespace orvo::net
