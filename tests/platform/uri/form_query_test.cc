#include "platform/uri/form_query.h"

#include <gtest/gtest.h>

namespace orvo::uri {
namespace {

TEST(FormQueryTest, DecodesFieldsInOrder) {
  struct Case {
    const char* name;
    std::string query;
    std::vector<FormField> fields;
  };
  const std::vector<Case> cases = {
      {"empty", "", {}},
      {"pairs in order", "code=abc&state=x1", {{"code", "abc"}, {"state", "x1"}}},
      {"plus is a space, %2B a plus", "q=a+b%2Bc", {{"q", "a b+c"}}},
      {"escapes in keys and values", "%6Bey=%C3%A9t%c3%a9", {{"key", "été"}}},
      {"only the first = splits", "a=b=c", {{"a", "b=c"}}},
      {"no = gives an empty value", "flag&x=1", {{"flag", ""}, {"x", "1"}}},
      {"empty value", "x=", {{"x", ""}}},
      {"empty fields are skipped", "&a=1&&b=2&", {{"a", "1"}, {"b", "2"}}},
      {"repeated keys are all kept", "a=1&a=2", {{"a", "1"}, {"a", "2"}}},
      {"malformed escapes stay literal", "a=%zz&b=%4&c=%", {{"a", "%zz"}, {"b", "%4"}, {"c", "%"}}},
      {"an escaped ampersand does not split", "a=1%262", {{"a", "1&2"}}},
      {"a NUL byte is kept", "a=%00b", {{"a", std::string("\0b", 2)}}},
  };
  for (const Case& c : cases) EXPECT_EQ(parse_form_query(c.query), c.fields) << c.name;
}

}  // namespace
}  // namespace orvo::uri
