#include "platform/actions/derive_input.h"

#include <gtest/gtest.h>

namespace orvo::actions {
namespace {

using Json = nlohmann::ordered_json;

ActionArgs args(const char* json) { return ActionArgs::parse(json).value(); }

// Echoes the ids it was given as a view operation.
ActionSpec echo_spec(std::optional<OperationType> encoded_type = OperationType::View) {
  return ActionSpec("echo", "Echo",
                    [encoded_type](const ActionArgs& given) {
                      return EncodedAction{"test.op", given.values(), encoded_type};
                    })
      .declares(OperationType::View)
      .with_param(ActionParam::list("ids").mandatory().with_schema(Json::parse(R"({"minItems": 1})")))
      .with_param(ActionParam::text("note"));
}

TEST(DeriveInput, AdmitsArgumentsThatMeetTheSpec) {
  const auto encoded = derive_input(echo_spec(), args(R"({"ids": ["a"], "note": "n"})"));
  ASSERT_TRUE(encoded.has_value()) << encoded.error().message;
  EXPECT_EQ(encoded->payload, Json::parse(R"({"ids": ["a"], "note": "n"})"));
  EXPECT_EQ(encoded->operation_type, OperationType::View);
}

TEST(DeriveInput, RefusesAtTheFirstFailingStep) {
  struct Case {
    ActionSpec spec;
    const char* args;
    ActionError error;
  };
  const Case cases[] = {
      {echo_spec().unavailable({"account_offline", "No account"}),
       R"({"ids": ["a"]})",
       {"account_offline", "No account"}},
      {echo_spec(), R"({"ids": ["a"], "nots": "typo"})", {"orvo.invalid_arguments", "unexpected argument \"nots\""}},
      {echo_spec(), R"({"note": "n"})", {"orvo.invalid_arguments", "ids is required"}},
      {echo_spec(), R"({"ids": "a"})", {"orvo.invalid_arguments", "ids must be a list"}},
      {echo_spec(), R"({"ids": ["a"], "note": 3})", {"orvo.invalid_arguments", "note must be text"}},
      {echo_spec(), R"({"ids": []})", {"orvo.invalid_arguments", "ids must have at least 1 item"}},
      {echo_spec(OperationType::Effect),
       R"({"ids": ["a"]})",
       {"orvo.operation_type_mismatch", "the action declares a view operation but encoded an effect operation"}},
      {echo_spec(std::nullopt),
       R"({"ids": ["a"]})",
       {"orvo.operation_type_mismatch", "the action declares a view operation but encoded no operation"}},
  };
  for (const Case& c : cases) {
    const auto encoded = derive_input(c.spec, args(c.args));
    ASSERT_FALSE(encoded.has_value()) << c.args;
    EXPECT_EQ(encoded.error().code, c.error.code) << c.args;
    EXPECT_EQ(encoded.error().message, c.error.message) << c.args;
  }
}

TEST(DeriveInput, PassesTheEncodersOwnRefusalOn) {
  const ActionSpec spec("fail", "Fail", [](const ActionArgs&) -> std::expected<EncodedAction, ActionError> {
    return std::unexpected(ActionError::invalid_arguments("could not be encoded"));
  });
  EXPECT_EQ(derive_input(spec, ActionArgs()).error().message, "could not be encoded");
}

TEST(ActionArgs, ReadsOnlyAnObjectWithoutRepeatedKeys) {
  EXPECT_EQ(ActionArgs::parse("[1]").error(), "action arguments must be a JSON object");
  EXPECT_FALSE(ActionArgs::parse(R"({"ids": [], "ids": ["a"]})").has_value());
  EXPECT_FALSE(ActionArgs::parse("{").has_value());
  const ActionArgs given = args(R"({"to": "a@b", "ids": ["x"]})");
  EXPECT_EQ(given.text("to"), "a@b");
  EXPECT_EQ(given.text("ids"), std::nullopt);
  EXPECT_EQ(given.array("ids")->size(), 1u);
  EXPECT_EQ(given.array("missing"), std::nullopt);
}

}  // namespace
}  // namespace orvo::actions
