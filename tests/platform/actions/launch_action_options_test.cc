#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/launch_options.h"

namespace orvo::ui {
namespace {

std::expected<LaunchOptions, std::string> parse(std::vector<std::string_view> arguments) {
  return parse_launch_options(arguments);
}

TEST(LaunchActionOptions, ReadsAnInvocationWithItsArgumentsInEitherOrder) {
  const auto options = parse({"--args", R"({"ids":["a"]})", "--invoke", "mail.mailbox#archive-messages"});
  ASSERT_TRUE(options.has_value()) << options.error();
  ASSERT_TRUE(options->invoke.has_value());
  EXPECT_EQ(options->invoke->address, (actions::ActionAddress{"mail.mailbox", "archive-messages"}));
  EXPECT_EQ(options->invoke->args.values(), nlohmann::ordered_json::parse(R"({"ids":["a"]})"));
  EXPECT_TRUE(options->headless_capture());
}

TEST(LaunchActionOptions, AnInvocationWithoutArgumentsHasNone) {
  const auto options = parse({"--invoke", "mail.mailbox#compose", "--actions-dump", "tree.json"});
  ASSERT_TRUE(options.has_value()) << options.error();
  EXPECT_TRUE(options->invoke->args.values().empty());
  EXPECT_EQ(options->actions_dump, "tree.json");
}

TEST(LaunchActionOptions, RefusesWhatCannotBeInvoked) {
  struct Case {
    std::vector<std::string_view> arguments;
    const char* error;
  };
  const Case cases[] = {
      {{"--args", "{}"}, "--args needs --invoke"},
      {{"--invoke", "mail.mailbox"}, "--invoke needs the address of an action (RESOURCE#ACTION), not \"mail.mailbox\""},
      {{"--invoke", "a#b#c"}, "--invoke: action address has more than one \"#\": a#b#c"},
      {{"--invoke", "mail.mailbox#compose", "--args", "[]"}, "--args: action arguments must be a JSON object"},
  };
  for (const Case& c : cases) {
    const auto options = parse(c.arguments);
    ASSERT_FALSE(options.has_value()) << c.error;
    EXPECT_EQ(options.error(), c.error);
  }
  EXPECT_FALSE(parse({"--invoke", "mail.mailbox#compose", "--args", "{"}).has_value());
}

}  // namespace
}  // namespace orvo::ui
