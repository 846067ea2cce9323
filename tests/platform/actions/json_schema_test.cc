#include "platform/actions/json_schema.h"

#include <gtest/gtest.h>

namespace orvo::actions {
namespace {

using Json = nlohmann::ordered_json;

struct SchemaCase {
  const char* name;
  Json schema;
  Json value;
  const char* error;  // empty when the value passes
};

const Json ids_schema =
    Json::parse(R"({"minItems": 1, "maxItems": 3, "items": {"type": "string", "minLength": 1, "maxLength": 4}})");
const Json invitation_schema = Json::parse(R"({
  "type": "object",
  "properties": {"to": {"type": "string"}, "mode": {"enum": ["plain", "rich"]}},
  "required": ["to"],
  "additionalProperties": false})");

class JsonSchemaTest : public ::testing::TestWithParam<SchemaCase> {};

TEST_P(JsonSchemaTest, ChecksTheValue) {
  const SchemaCase& c = GetParam();
  const auto checked = check_schema(c.value, c.schema, "arg");
  if (std::string(c.error).empty()) {
    EXPECT_TRUE(checked.has_value()) << checked.error();
  } else {
    ASSERT_FALSE(checked.has_value());
    EXPECT_EQ(checked.error(), c.error);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonSchemaTest,
    ::testing::Values(
        SchemaCase{"ids_within_bounds", ids_schema, Json::parse(R"(["a", "bcde"])"), ""},
        SchemaCase{"ids_empty_list", ids_schema, Json::array(), "arg must have at least 1 item"},
        SchemaCase{"ids_too_many", ids_schema, Json::parse(R"(["a", "b", "c", "d"])"), "arg must have at most 3 items"},
        SchemaCase{"ids_empty_id", ids_schema, Json::parse(R"(["a", ""])"), "arg[1] must be at least 1 character"},
        SchemaCase{"ids_long_id", ids_schema, Json::parse(R"(["abcde"])"), "arg[0] must be at most 4 characters"},
        // Four characters of eight bytes: lengths count characters.
        SchemaCase{"ids_counts_characters", ids_schema, Json::parse(R"(["ääää"])"), ""},
        SchemaCase{"ids_not_text", ids_schema, Json::parse("[1]"), "arg[0] must be of type string"},
        SchemaCase{"object_complete", invitation_schema, Json::parse(R"({"to": "a@b", "mode": "rich"})"), ""},
        SchemaCase{"object_missing_required", invitation_schema, Json::parse(R"({"mode": "rich"})"),
                   "arg is missing the member \"to\""},
        SchemaCase{"object_extra_member", invitation_schema, Json::parse(R"({"to": "a@b", "cc": "c@d"})"),
                   "arg has an unexpected member \"cc\""},
        SchemaCase{"object_enum_outside", invitation_schema, Json::parse(R"({"to": "a@b", "mode": "html"})"),
                   "arg.mode must be one of [\"plain\",\"rich\"]"},
        SchemaCase{"type_list", Json::parse(R"({"type": ["integer", "null"]})"), Json(2.0), ""},
        SchemaCase{"type_list_miss", Json::parse(R"({"type": ["integer", "null"]})"), Json(2.5),
                   "arg must be of type integer or null"},
        SchemaCase{"bounds_built_in_code", Json{{"minLength", 2}}, Json("y"), "arg must be at least 2 characters"},
        SchemaCase{"unknown_keywords_ignored", Json::parse(R"({"pattern": "^x$"})"), Json("y"), ""},
        SchemaCase{"broken_bound_refuses", Json::parse(R"({"maxLength": -1})"), Json("y"),
                   "the schema of arg has an unreadable \"maxLength\""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvo::actions
