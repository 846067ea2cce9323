#include "draw/remote_content.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace mail::draw {
namespace {

TEST(RemoteContent, BlockedPolicyForbidsEveryNetworkLoad) {
  EXPECT_EQ(content_security_policy(RemoteImages::Blocked),
            "default-src 'none'; script-src 'none'; object-src 'none'; frame-src 'none'; child-src 'none'; "
            "connect-src 'none'; base-uri 'none'; form-action 'none'; style-src 'unsafe-inline' data:; "
            "font-src data:; img-src data:; media-src data:;");
}

TEST(RemoteContent, AllowedPolicyOpensOnlyImagesAndMedia) {
  const std::string blocked = content_security_policy(RemoteImages::Blocked);
  const std::string allowed = content_security_policy(RemoteImages::Allowed);
  constexpr std::size_t fixed_part = 200;
  EXPECT_EQ(allowed.substr(0, fixed_part), blocked.substr(0, fixed_part));
  EXPECT_EQ(allowed.substr(fixed_part), "img-src data: https: http:; media-src data: https:;");
}

std::vector<std::string> blocked_types(RemoteImages images) {
  const auto rules = nlohmann::json::parse(blocking_rules(images));
  EXPECT_EQ(rules.size(), 1u);
  const auto& rule = rules.at(0);
  EXPECT_EQ(rule.at("trigger").at("url-filter"), "^https?://");
  EXPECT_EQ(rule.at("action"), nlohmann::json({{"type", "block"}}));
  return rule.at("trigger").value("resource-type", std::vector<std::string>{});
}

TEST(RemoteContent, RuleListsBlockRemoteLoadsByType) {
  EXPECT_EQ(blocking_rules(RemoteImages::Blocked),
            R"([{"trigger":{"url-filter":"^https?://"},"action":{"type":"block"}}])");
  EXPECT_TRUE(blocked_types(RemoteImages::Blocked).empty()) << "no types: every load is blocked";
  EXPECT_EQ(blocked_types(RemoteImages::Allowed), (std::vector<std::string>{"script", "style-sheet", "font", "raw"}));
}

}  // namespace
}  // namespace mail::draw
