#include "engine/connection_wording.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

#include "message/ascii.h"

namespace mail::engine {
namespace {

std::string lower_case(std::string_view text) {
  std::string lower(text);
  std::ranges::transform(lower, lower.begin(), message::ascii_lower);
  return lower;
}

bool contains_any(std::string_view text, std::initializer_list<std::string_view> needles) {
  return std::ranges::any_of(needles, [text](std::string_view needle) { return text.contains(needle); });
}

// "auth" alone is too weak a sign: "No compatible authentication mechanism" is no
// refusal of the user's password.
bool is_authentication_failure(std::string_view text) {
  return contains_any(
             text, {"535", "authenticationfailed", "authentication failed", "invalid credentials", "login failed"}) ||
         (text.contains("auth") && contains_any(text, {"fail", "reject", "denied", "invalid"}));
}

struct Kind {
  bool (*matches)(std::string_view lower);
  std::string_view message;
};

// Tested in this order; the first match decides, so a TLS error that mentions a
// timeout still reads as a TLS problem.
constexpr std::array kinds{
    Kind{is_authentication_failure, "authentication failed — check the username and password"},
    Kind{[](std::string_view text) {
           return contains_any(text, {"certificate", "tls", "handshake", "self-signed", "ssl"});
         },
         "TLS/certificate error — the server's certificate wasn't trusted"},
    Kind{[](std::string_view text) { return text.contains("refused"); },
         "connection refused — check the host and port"},
    Kind{[](std::string_view text) {
           return contains_any(text, {"timed out", "timeout"});
         },
         "connection timed out — the server didn't respond"},
    Kind{[](std::string_view text) {
           return contains_any(text,
                               {"dns", "lookup", "resolve", "name or service not known", "not known", "no such host"});
         },
         "host not found — check the server address"},
    Kind{[](std::string_view text) { return text.contains("unreachable"); },
         "network unreachable — check your connection"},
};

}  // namespace

std::string connection_problem_wording(std::string_view error) {
  const std::string lower = lower_case(error);
  for (const Kind& kind : kinds) {
    if (kind.matches(lower)) return std::string(kind.message);
  }
  return "connection failed: " + std::string(error);
}

}  // namespace mail::engine
