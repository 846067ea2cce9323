#include "draw/remote_content.h"

namespace mail::draw {
namespace {

constexpr std::string_view fixed_policy =
    "default-src 'none'; script-src 'none'; object-src 'none'; frame-src 'none'; child-src 'none'; "
    "connect-src 'none'; base-uri 'none'; form-action 'none'; style-src 'unsafe-inline' data:; font-src data:; ";
constexpr std::string_view blocked_images_policy = "img-src data:; media-src data:;";
constexpr std::string_view allowed_images_policy = "img-src data: https: http:; media-src data: https:;";

constexpr std::string_view block_all_remote_rules =
    R"([{"trigger":{"url-filter":"^https?://"},"action":{"type":"block"}}])";
constexpr std::string_view block_remote_code_rules =
    R"([{"trigger":{"url-filter":"^https?://","resource-type":["script","style-sheet","font","raw"]},)"
    R"("action":{"type":"block"}}])";

}  // namespace

std::string content_security_policy(RemoteImages images) {
  std::string policy(fixed_policy);
  policy += images == RemoteImages::Allowed ? allowed_images_policy : blocked_images_policy;
  return policy;
}

std::string_view blocking_rules(RemoteImages images) {
  return images == RemoteImages::Allowed ? block_remote_code_rules : block_all_remote_rules;
}

}  // namespace mail::draw
