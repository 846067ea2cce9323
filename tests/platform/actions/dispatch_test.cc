#include <gtest/gtest.h>

#include "platform/actions/local_transport.h"

namespace orvo::actions {
namespace {

// A document that counts up and names its state by the count.
struct Counter {
  int value = 0;
  [[nodiscard]] std::uint64_t heads() const { return static_cast<std::uint64_t>(value); }
};

std::expected<TypedAction<Counter>, ActionError> decode_add(const nlohmann::ordered_json& payload) {
  if (!payload.is_object() || !payload.contains("Add")) return std::unexpected(ActionError::invalid_arguments("bad"));
  const int amount = payload["Add"].get<int>();
  return TypedAction<Counter>{[amount](Counter& counter) -> std::expected<void, std::string> {
    if (amount < 0) return std::unexpected("cannot count down");
    counter.value += amount;
    return {};
  }};
}

class DispatchTest : public ::testing::Test {
 protected:
  DispatchTest() { EXPECT_TRUE(registry_.register_handler<Counter>("test.add", decode_add).has_value()); }

  std::expected<AppliedChange, ActionError> dispatch(nlohmann::ordered_json payload, std::string kind = "test.add") {
    return dispatch_by_with_context(registry_, transport_, EncodedAction{kind, std::move(payload), std::nullopt},
                                    ActionContext{.application_id = "org.example", .application_label = "Example"});
  }

  ActionRegistry registry_;
  Counter counter_;
  LocalTransport<Counter> transport_{counter_};
};

TEST_F(DispatchTest, AppliesTheDecodedActionLabelledByItsVariant) {
  const auto applied = dispatch({{"Add", 2}});
  ASSERT_TRUE(applied.has_value()) << applied.error().message;
  EXPECT_EQ(*applied, (AppliedChange{"test.add", "Add", 2}));
  EXPECT_EQ(counter_.value, 2);
}

TEST_F(DispatchTest, RefusalsLeaveTheDocumentAlone) {
  EXPECT_EQ(dispatch({{"Add", -1}}).error(), ActionError::failed("cannot count down"));
  EXPECT_EQ(dispatch("Add").error(), ActionError::invalid_arguments("bad"));
  EXPECT_EQ(dispatch({{"Add", 1}}, "test.other").error(),
            (ActionError{"orvo.unknown_kind", "no handler is registered for \"test.other\""}));
  EXPECT_EQ(counter_.value, 0);
}

TEST_F(DispatchTest, AHandlerServesOnlyItsOwnDocumentType) {
  struct Other {
    [[nodiscard]] std::uint64_t heads() const { return 0; }
  } other;
  LocalTransport<Other> transport(other);
  const auto applied = dispatch_by_with_context(registry_, transport, EncodedAction{"test.add", {{"Add", 1}}, {}}, {});
  EXPECT_EQ(applied.error().code, "orvo.unknown_kind");
}

TEST_F(DispatchTest, AKindIsRegisteredOnce) {
  EXPECT_EQ(registry_.register_handler<Counter>("test.add", decode_add).error(),
            "a handler for \"test.add\" is already registered");
  EXPECT_EQ(registry_.kinds(), std::vector<std::string>{"test.add"});
}

TEST(ActionContext, LabelsAChangeAfterItsVariantOrAsAnUpdate) {
  const ActionContext context{.application_id = "org.orvo.Mail", .application_label = "Mail"};
  const auto label = [&](nlohmann::ordered_json payload) {
    return context.enriched_by(EncodedAction{"k", std::move(payload), {}}).change_label;
  };
  EXPECT_EQ(label({{"SetRead", {{"ids", {"a"}}, {"read", true}}}}), "Set read");
  EXPECT_EQ(label("DiscardDraft"), "Discard draft");
  EXPECT_EQ(label({{"a", 1}, {"b", 2}}), "Update");
  EXPECT_EQ(label(42), "Update");
  EXPECT_EQ(context.enriched_by(EncodedAction{"k", "X", {}}).application_id, "org.orvo.Mail");
}

}  // namespace
}  // namespace orvo::actions
