#include "engine/smtp/bare_address.h"

#include <gtest/gtest.h>

namespace mail::engine::smtp {
namespace {

TEST(ParseBareAddress, AcceptsALocalPartAndADomain) {
  for (const char* address : {"a@x.org", "first.last+tag@mail.x.org", "postmaster@localhost", "zoë@bücher.example"}) {
    SCOPED_TRACE(address);
    EXPECT_EQ(parse_bare_address(address), address);
  }
}

TEST(ParseBareAddress, SaysWhyTextIsNoBareAddress) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"", "the address is empty"},
      {"mira.x.org", "\"mira.x.org\" must contain exactly one \"@\""},
      {"mira@home@x.org", "\"mira@home@x.org\" must contain exactly one \"@\""},
      {"@x.org", "\"@x.org\" has nothing before the \"@\""},
      {"mira@", "\"mira@\" has no valid domain after the \"@\""},
      {"mira@.x.org", "\"mira@.x.org\" has no valid domain after the \"@\""},
      {"mira@x..org", "\"mira@x..org\" has no valid domain after the \"@\""},
      {"mira@x.org.", "\"mira@x.org.\" has no valid domain after the \"@\""},
      {"mira quell@x.org", "\"mira quell@x.org\" contains a character that an e-mail address cannot hold"},
      {"mira@x.org\r\nRCPT TO:<y@x.org>",
       "\"mira@x.org\r\nRCPT TO:<y@x.org>\" contains a character that an e-mail address cannot hold"},
      {"<mira@x.org>", "\"<mira@x.org>\" contains a character that an e-mail address cannot hold"},
      {"\"mira\"@x.org", "\"\"mira\"@x.org\" contains a character that an e-mail address cannot hold"},
      {"mira@[127.0.0.1]", "\"mira@[127.0.0.1]\" contains a character that an e-mail address cannot hold"},
  };
  for (const auto& [text, error] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(parse_bare_address(text), std::unexpected(error));
  }
}

}  // namespace
}  // namespace mail::engine::smtp
