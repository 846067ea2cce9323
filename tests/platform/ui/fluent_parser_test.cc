#include "platform/ui/fluent_parser.h"

#include <gtest/gtest.h>

namespace orvo::ui {
namespace {

TEST(FluentParserTest, ReadsMessagesBetweenComments) {
  const auto messages = parse_fluent(
      "### Strings of the window.\n"
      "###\n"
      "\n"
      "## Setup\n"
      "# $provider is the provider's own name.\n"
      "sign-in = Sign in with { $provider }\n"
      "tight={$a}and{ $b }  \n"
      "crlf = Save & verify\r\n"
      "   \n"
      "attach = 📎 Attach\n");
  ASSERT_TRUE(messages) << messages.error();
  ASSERT_EQ(messages->size(), 4U);

  EXPECT_EQ((*messages)[0].key, "sign-in");
  EXPECT_EQ((*messages)[0].pattern.elements, (std::vector<FluentElement>{"Sign in with ", FluentVariable{"provider"}}));
  EXPECT_EQ((*messages)[1].pattern.elements,
            (std::vector<FluentElement>{FluentVariable{"a"}, "and", FluentVariable{"b"}}));
  EXPECT_EQ((*messages)[2].pattern.elements, (std::vector<FluentElement>{"Save & verify"}));
  EXPECT_EQ((*messages)[3].pattern.elements, (std::vector<FluentElement>{"📎 Attach"}));
}

TEST(FluentParserTest, RefusesWhatItCannotRead) {
  struct Case {
    const char* resource;
    const char* error;
  };
  const std::vector<Case> cases = {
      {"key value", "line 1: expected a comment or a message \"key = value\""},
      {"ok = fine\n\n  indented = x", "line 3: expected a comment or a message \"key = value\""},
      {"1key = x", "line 1: expected a comment or a message \"key = value\""},
      {"-term = x", "line 1: expected a comment or a message \"key = value\""},
      {"#no-blank", "line 1: expected a comment or a message \"key = value\""},
      {"#### deep", "line 1: expected a comment or a message \"key = value\""},
      {"key =", "line 1: message \"key\" has no value"},
      {"key = { $a", "line 1: message \"key\": \"{\" without \"}\""},
      {"key = a } b", "line 1: message \"key\": \"}\" without \"{\""},
      {"key = { other-message }",
       "line 1: message \"key\": only { $variable } placeables are supported, not { other-message }"},
      {"key = { $1 }", "line 1: message \"key\": only { $variable } placeables are supported, not { $1 }"},
  };
  for (const Case& c : cases) {
    const auto messages = parse_fluent(c.resource);
    ASSERT_FALSE(messages) << c.resource;
    EXPECT_EQ(messages.error(), c.error);
  }
}

}  // namespace
}  // namespace orvo::ui
