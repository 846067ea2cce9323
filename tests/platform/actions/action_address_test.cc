#include "platform/actions/action_address.h"

#include <gtest/gtest.h>

namespace orvo::actions {
namespace {

TEST(ActionAddress, RoundTripsAnyResourceId) {
  const ActionAddress addresses[] = {
      {"mail.mailbox", "archive-messages"},
      {"mail.thread:inbox:<odd#id%25@example.org>", "open"},
      {"mail.folder:inbox", ""},
      {"with space\tand tab", "x"},
  };
  for (const ActionAddress& address : addresses) {
    const std::string text = address.encode();
    EXPECT_EQ(ActionAddress::parse(text), address) << text;
  }
}

TEST(ActionAddress, WritesTheSeparatorOnlyBetweenTheParts) {
  EXPECT_EQ((ActionAddress{"mail.mailbox", "compose"}).encode(), "mail.mailbox#compose");
  EXPECT_EQ((ActionAddress{"mail.thread:inbox:a#b", ""}).encode(), "mail.thread:inbox:a%23b");
}

TEST(ActionAddress, RefusesBrokenText) {
  EXPECT_EQ(ActionAddress::parse("a#b#c").error(), "action address has more than one \"#\": a#b#c");
  EXPECT_EQ(ActionAddress::parse("#compose").error(), "action address names no resource: #compose");
  EXPECT_EQ(ActionAddress::parse("mail%2").error(), "action address has a broken escape: mail%2");
  EXPECT_FALSE(ActionAddress::parse("mail%zz#x").has_value());
}

}  // namespace
}  // namespace orvo::actions
