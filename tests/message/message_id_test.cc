#include "message/message_id.h"

#include <set>
#include <string_view>

#include <gtest/gtest.h>

namespace mail::message {
namespace {

TEST(MessageIdFromMessageId, HashesTheIdWithoutItsBlanksAndBrackets) {
  // Both FNV-1a halves over "sample-launch-plan-root@example.org", worked out independently.
  constexpr std::string_view expected = "8f8e4570-fd45-aa48-30ae-f25186ab21cb";
  for (std::string_view header : {"sample-launch-plan-root@example.org", "<sample-launch-plan-root@example.org>",
                                  " \t<<sample-launch-plan-root@example.org>> \r\n"}) {
    const auto id = MessageId::from_message_id(header);
    ASSERT_TRUE(id.has_value()) << header;
    EXPECT_EQ(id->to_string(), expected) << header;
  }
  EXPECT_NE(MessageId::from_message_id("other@example.org"),
            MessageId::from_message_id("sample-launch-plan-root@example.org"));
}

TEST(MessageIdFromMessageId, NamesNothingWhenOnlyBracketsAndBlanksAreLeft) {
  for (std::string_view header : {"", "   ", "<>", " <<>> "}) {
    EXPECT_FALSE(MessageId::from_message_id(header).has_value()) << '"' << header << '"';
  }
}

TEST(MessageIdRandom, IsAFreshVersion4Uuid) {
  std::set<MessageId> seen;
  for (int draw = 0; draw < 1000; ++draw) {
    const MessageId id = MessageId::random();
    const std::string text = id.to_string();
    ASSERT_EQ(text[14], '4');
    ASSERT_NE(std::string_view("89ab").find(text[19]), std::string_view::npos) << text;
    seen.insert(id);
  }
  EXPECT_EQ(seen.size(), 1000U);
}

}  // namespace
}  // namespace mail::message
