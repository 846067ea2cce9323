#include "draw/html_view_state.h"

#include <gtest/gtest.h>

#include "draw/html_document.h"
#include "platform/crypto/base64.h"

namespace mail::draw {
namespace {

using message::MessageId;

constexpr MessageId message_a{.high = 1, .low = 0xa};
constexpr MessageId message_b{.high = 1, .low = 0xb};
constexpr std::string_view html = "<p>Hello</p><img src=\"https://images.example/logo.png\">";

// The commands must load this body under the rules and policy of `images`.
void expect_load(const std::optional<HtmlViewCommands>& commands, RemoteImages images) {
  ASSERT_TRUE(commands) << "expected a reload";
  EXPECT_EQ(commands->rule_list, blocking_rules(images));
  constexpr std::string_view prefix = "data:text/html;charset=utf-8;base64,";
  ASSERT_TRUE(commands->url.starts_with(prefix));
  EXPECT_EQ(orvo::crypto::base64_decode(std::string_view(commands->url).substr(prefix.size())),
            html_document(html, images));
}

TEST(HtmlViewState, FirstShowingLoadsWithRemoteImagesBlocked) {
  HtmlViewState state;
  const auto commands = state.prepare(message_a, html);
  expect_load(commands, RemoteImages::Blocked);
  EXPECT_EQ(commands->rule_list, R"([{"trigger":{"url-filter":"^https?://"},"action":{"type":"block"}}])");
  EXPECT_EQ(state.remote_images(), RemoteImages::Blocked);
}

TEST(HtmlViewState, RedrawingTheSameMessageSendsNothing) {
  HtmlViewState state;
  expect_load(state.prepare(message_a, html), RemoteImages::Blocked);
  EXPECT_EQ(state.prepare(message_a, html), std::nullopt);
  EXPECT_EQ(state.prepare(message_a, html), std::nullopt);
}

TEST(HtmlViewState, TogglingTwiceReloadsTwiceAndEndsBlocked) {
  HtmlViewState state;
  expect_load(state.prepare(message_a, html), RemoteImages::Blocked);
  state.toggle_remote_images();
  EXPECT_EQ(state.remote_images(), RemoteImages::Allowed);
  expect_load(state.prepare(message_a, html), RemoteImages::Allowed);
  state.toggle_remote_images();
  expect_load(state.prepare(message_a, html), RemoteImages::Blocked);
  EXPECT_EQ(state.prepare(message_a, html), std::nullopt);
}

TEST(HtmlViewState, ComingBackToAMessageBlocksItsImagesAgain) {
  HtmlViewState state;
  expect_load(state.prepare(message_a, html), RemoteImages::Blocked);
  state.toggle_remote_images();
  expect_load(state.prepare(message_a, html), RemoteImages::Allowed);
  expect_load(state.prepare(message_b, html), RemoteImages::Blocked);
  expect_load(state.prepare(message_a, html), RemoteImages::Blocked);
}

TEST(HtmlViewState, ToggleWithNothingShownIsIgnored) {
  HtmlViewState state;
  state.toggle_remote_images();
  EXPECT_EQ(state.remote_images(), RemoteImages::Blocked);
  expect_load(state.prepare(message_a, html), RemoteImages::Blocked);
}

}  // namespace
}  // namespace mail::draw
