#include "platform/ui/single_line_text.h"

#include <gtest/gtest.h>

namespace orvo::ui {
namespace {

TEST(SingleLineTextTest, CleansWhatever) {
  struct Case {
    const char* name;
    std::string raw;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"plain text", "Hello, wörld 📎", "Hello, wörld 📎"},
      {"CR LF is one space", "a\r\nb", "a b"},
      {"lone breaks and tabs", "a\nb\rc\td", "a b c d"},
      {"C0, DEL and C1 controls",
       "a\x07"
       "b\x7F"
       "c\xC2\x85"
       "d",
       "abcd"},
      {"a broken sequence", "\xC3(", "\uFFFD("},
      {"an overlong slash", "\xC0\xAF", "\uFFFD\uFFFD"},
      {"an encoded surrogate", "\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"cut short at the end", "ab\xE2\x82", "ab\uFFFD\uFFFD"},
  };
  for (const Case& c : cases) EXPECT_EQ(single_line_text(c.raw), c.expected) << c.name;
}

}  // namespace
}  // namespace orvo::ui
