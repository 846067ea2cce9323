#include "engine/oauth_tokens.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

namespace mail::engine {
namespace {

using ::testing::HasSubstr;

constexpr std::uint64_t max = std::numeric_limits<std::uint64_t>::max();

TEST(OAuthTokens, WriteCompactJsonInTheirOwnKeyOrderAndReadItBack) {
  const OAuthTokens tokens{
      .access_token = "ya29.a0", .refresh_token = "1//0g", .expires_in = 3599, .obtained_at = 1'700'000'000};
  const std::string json = to_json(tokens);
  EXPECT_EQ(json, R"({"access_token":"ya29.a0","refresh_token":"1//0g","expires_in":3599,"obtained_at":1700000000})");
  EXPECT_EQ(oauth_tokens_from_json(json), tokens);
}

TEST(OAuthTokens, NeedOnlyTheAccessTokenAndIgnoreOtherKeys) {
  EXPECT_EQ(oauth_tokens_from_json(R"({"access_token":"a","scope":"mail"})"), OAuthTokens{.access_token = "a"});
}

TEST(OAuthTokens, RefuseTextThatIsNoTokenRecord) {
  const struct {
    const char* json;
    const char* reason;
  } cases[] = {
      {R"({"access_token":"a","access_token":"b"})", R"(the key "access_token" is given twice)"},
      {R"({"access_token":"a","expires_in":1,"expires_in":2})", R"(the key "expires_in" is given twice)"},
      {R"({"refresh_token":"r"})", "access_token is missing"},
      {R"({"access_token":7})", "access_token has the wrong type"},
      {R"({"access_token":"a","expires_in":-1})", "expires_in has the wrong type"},
      {R"({"access_token":"a","obtained_at":"1700000000"})", "obtained_at has the wrong type"},
      {R"({"access_token":"a","expires_in":3600.5})", "expires_in has the wrong type"},
      {R"(["access_token"])", "not a JSON object"},
      {"ya29.a0", "not JSON"},
  };
  for (const auto& [json, reason] : cases) {
    const auto tokens = oauth_tokens_from_json(json);
    ASSERT_FALSE(tokens.has_value()) << json;
    EXPECT_THAT(tokens.error(), HasSubstr(reason)) << json;
  }
}

TEST(OAuthTokens, ExpireAMinuteBeforeTheirLifetimeEnds) {
  constexpr std::uint64_t now = 1'700'000'000;
  const struct {
    const char* name;
    std::uint64_t expires_in;
    std::uint64_t obtained_at;
    std::uint64_t now;
    bool expired;
  } cases[] = {
      {"no lifetime given", 0, now, now, true},
      {"obtained 3,540 s ago", 3600, now - 3540, now, true},
      {"obtained 3,539 s ago", 3600, now - 3539, now, false},
      {"end of the lifetime past the largest time", 3600, max - 10, now, false},
      {"now at the largest time", 3600, max - 10, max, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(is_expired({.access_token = "a", .expires_in = c.expires_in, .obtained_at = c.obtained_at}, c.now),
              c.expired)
        << c.name;
  }
}

TEST(OAuthTokens, CountTimeInWholeSecondsFromTheEpochAndNeverBelowIt) {
  using std::chrono::system_clock;
  EXPECT_EQ(unix_seconds(system_clock::time_point(std::chrono::milliseconds(90'999))), 90u);
  EXPECT_EQ(unix_seconds(system_clock::time_point(std::chrono::seconds(-5))), 0u);
}

}  // namespace
}  // namespace mail::engine
