#include "engine/connection_wording.h"

#include <gtest/gtest.h>

namespace mail::engine {
namespace {

constexpr const char* authentication = "authentication failed — check the username and password";
constexpr const char* tls = "TLS/certificate error — the server's certificate wasn't trusted";
constexpr const char* refused = "connection refused — check the host and port";
constexpr const char* timed_out = "connection timed out — the server didn't respond";
constexpr const char* host_not_found = "host not found — check the server address";
constexpr const char* unreachable = "network unreachable — check your connection";

TEST(ConnectionProblemWording, NamesTheFirstKindOfProblemTheTextShows) {
  const struct {
    const char* error;
    const char* message;
  } cases[] = {
      {"535 5.7.8 TLS session refused, timed out", authentication},  // the reply code outranks every other sign
      {"[AUTHENTICATIONFAILED] Authentication failed.", authentication},
      {"Invalid credentials (Failure)", authentication},
      {"LOGIN failed.", authentication},
      {"auth: token rejected", authentication},
      {"Authorization denied", authentication},
      {"TLS handshake failed: certificate verify failed (SSL routines)", tls},
      {"secure channel: handshake timed out", tls},  // TLS is tested before timeouts
      {"self-signed certificate in chain", tls},
      {"Connection refused", refused},
      {"CONNECTION REFUSED", refused},
      {"waiting for the server timed out after 120 s", timed_out},
      {"read timeout", timed_out},
      {"cannot resolve the server name: Name or service not known", host_not_found},
      {"DNS lookup failed", host_not_found},  // "fail" without "auth" is no login failure
      {"no such host", host_not_found},
      {"Network is unreachable", unreachable},
      {"No route: host unreachable", unreachable},
  };
  for (const auto& [error, message] : cases) {
    EXPECT_EQ(connection_problem_wording(error), message) << error;
  }
}

TEST(ConnectionProblemWording, KeepsTheRawTextOfAnythingElse) {
  for (const char* error : {"Broken pipe", "No compatible authentication mechanism was found", ""}) {
    EXPECT_EQ(connection_problem_wording(error), std::string("connection failed: ") + error);
  }
}

}  // namespace
}  // namespace mail::engine
