#include "platform/actions/invoke_at.h"

#include <gtest/gtest.h>

#include "platform/actions/resource_json.h"

namespace orvo::actions {
namespace {

using Json = nlohmann::ordered_json;

ActionSpec fixed_spec(std::string id, std::string payload) {
  return ActionSpec(std::move(id), "Label",
                    [payload](const ActionArgs&) {
                      return EncodedAction{"test.op", payload, OperationType::Effect};
                    })
      .declares(OperationType::Effect);
}

// Publishes a shelf with one book; records what it was asked to do.
class ShelfHost : public ActionHost {
 public:
  [[nodiscard]] Resource action_resources() const override {
    return Resource{.type = "shelf", .id = "shelf", .label = "Shelf"}
        .with_action(fixed_spec("dust", "Dust"))
        .with_child(Resource{.type = "book", .id = "book:1", .label = "Book"}
                        .with_action(fixed_spec("save", "Save").with_contract({"book", {"file-save"}}))
                        .with_action(fixed_spec("read", "Read")));
  }

  Invocation invoke(const EncodedAction& action, const ActionContext& context, const ActionRegistry&) override {
    invoked = action;
    path = context.path;
    return ActionResult(Json{{"done", action.payload}});
  }
  std::optional<ActionResult> collect(PendingOperation) override { return std::nullopt; }
  void cancel(PendingOperation) override {}

  std::optional<EncodedAction> invoked;
  InvocationPath path = InvocationPath::Direct;
};

class InvokeAtTest : public ::testing::Test {
 protected:
  ActionResult invoke(std::string resource, std::string action, const char* args = "{}") {
    return std::get<ActionResult>(invoke_at(host_, registry_, ActionAddress{std::move(resource), std::move(action)},
                                            ActionArgs::parse(args).value(), {}));
  }

  ShelfHost host_;
  ActionRegistry registry_;
};

TEST_F(InvokeAtTest, FindsNestedActionsAndChoosesTheirPath) {
  EXPECT_EQ(invoke("book:1", "read").value(), Json::parse(R"({"done": "Read"})"));
  EXPECT_EQ(host_.path, InvocationPath::Mutable);
  EXPECT_EQ(invoke("book:1", "save").value(), Json::parse(R"({"done": "Save"})"));
  EXPECT_EQ(host_.path, InvocationPath::Portal);
}

TEST_F(InvokeAtTest, RefusesWhatItCannotFindOrAdmit) {
  EXPECT_EQ(invoke("book:2", "read").error(), ActionError::not_found("no resource \"book:2\""));
  EXPECT_EQ(invoke("book:1", "burn").error(), ActionError::not_found("\"book:1\" has no action \"burn\""));
  EXPECT_EQ(invoke("shelf", "dust", R"({"cloth": "wet"})").error().message, "unexpected argument \"cloth\"");
  EXPECT_FALSE(host_.invoked.has_value());
}

TEST(Resource, KeepsOrderAndDumpsEveryDetail) {
  const Resource shelf = ShelfHost().action_resources();
  ASSERT_NE(shelf.find("book:1"), nullptr);
  EXPECT_EQ(shelf.find("book:1")->actions[1].id(), "read");
  EXPECT_EQ(shelf.find("nothing"), nullptr);

  const Resource book = Resource{.type = "book", .id = "b", .label = "B"}.with_action(
      fixed_spec("save", "S")
          .described("Keep it")
          .destructive()
          .with_contract({"book", {"file-save"}})
          .unavailable({"not_downloaded", "Not here yet"})
          .with_param(ActionParam::text("value").labelled("Name", "name…").mandatory()));
  EXPECT_EQ(to_json(book).dump(), R"({"type":"book","id":"b","label":"B","actions":[{"id":"save","label":"Label",)"
                                  R"("description":"Keep it","operation_type":"effect","destructive":true,)"
                                  R"("contract":{"target_type":"book","tags":["file-save"]},"available":false,)"
                                  R"("unavailable":{"reason_code":"not_downloaded","message":"Not here yet"},)"
                                  R"("params":[{"name":"value","kind":"text","required":true,"label":"Name",)"
                                  R"("placeholder":"name…"}]}],"children":[]})");
}

}  // namespace
}  // namespace orvo::actions
