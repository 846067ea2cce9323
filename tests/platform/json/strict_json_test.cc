#include "platform/json/strict_json.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace orvo::json {
namespace {

using ::testing::Not;
using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST(StrictJson, ReadsEveryKindOfValueAndKeepsKeyOrder) {
  const auto json =
      parse_strict(R"({"z":null,"b":[true,false,-7,18446744073709551615,1.5,"tab\tand \u00e9"],"a":{"x":{},"y":[]}})");
  ASSERT_TRUE(json) << json.error();
  EXPECT_EQ(json->dump(),
            R"({"z":null,"b":[true,false,-7,18446744073709551615,1.5,"tab\tand é"],"a":{"x":{},"y":[]}})");
  EXPECT_TRUE((*json)["b"][3].is_number_unsigned());
}

TEST(StrictJson, AllowsTheSameKeyInDifferentObjects) {
  const auto json = parse_strict(R"({"k":{"k":1},"other":{"k":2},"list":[{"k":3},{"k":4}]})");
  ASSERT_TRUE(json) << json.error();
  EXPECT_EQ((*json)["list"][1]["k"], 4);
}

TEST(StrictJson, RefusesAKeyGivenTwiceAtAnyDepth) {
  const struct {
    const char* name;
    const char* text;
  } cases[] = {
      {"top level", R"({"a":1,"b":2,"a":1})"},
      {"nested object", R"({"outer":{"a":1,"a":2}})"},
      {"object in an array", R"([{"a":1},{"b":1,"a":2,"a":3}])"},
      {"deep inside arrays", R"([[[{"x":{"a":null,"a":{}}}]]])"},
      {"after a nested object closed", R"({"a":{"a":1},"a":2})"},
      {"spelled with an escape", R"({"a":1,"\u0061":2})"},
  };
  for (const auto& [name, text] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(parse_strict(text), std::unexpected(R"(duplicate key "a" in a JSON object)"));
  }
}

TEST(StrictJson, ReportsMalformedTextInPlainWords) {
  for (const char* text : {"", "{", R"({"a":1} trailing)", "{\"a\":\"\xff\"}", "[1,]"}) {
    SCOPED_TRACE(text);
    const auto json = parse_strict(text);
    ASSERT_FALSE(json);
    EXPECT_THAT(json.error(), StartsWith("parse error at line 1, column "));
    EXPECT_THAT(json.error(), Not(HasSubstr("json.exception")));
  }
}

// Hostile input must not be able to exhaust the stack.
TEST(StrictJson, ReadsVeryDeepNesting) {
  constexpr std::size_t depth = 100'000;
  const auto json = parse_strict(std::string(depth, '[') + std::string(depth, ']'));
  ASSERT_TRUE(json) << json.error();
  EXPECT_TRUE(json->is_array());
}

}  // namespace
}  // namespace orvo::json
