#include "actions/invoke_operation.h"

#include <gtest/gtest.h>

namespace mail::actions {
namespace {

using message::FolderKind;
using message::MessageId;
using orvo::actions::ActionResult;
using orvo::actions::Invocation;
using orvo::actions::InvocationPath;
using orvo::actions::PendingOperation;
using Json = nlohmann::ordered_json;

// The application object's side, answering as each test sets it up.
class FakeHost : public OperationHost {
 public:
  [[nodiscard]] bool operation_running() const override { return running; }
  [[nodiscard]] bool has_engine() const override { return engine; }
  std::expected<PendingOperation, std::string> start_attachment_save(const MessageId& id, std::size_t index) override {
    saved = {id, index};
    if (save_refusal) return std::unexpected(*save_refusal);
    return PendingOperation{7};
  }
  std::optional<PendingOperation> start_refresh() override {
    if (!refresh_queued) return std::nullopt;
    return PendingOperation{8};
  }
  void reveal_draft() override { draft_revealed = true; }
  std::expected<void, std::string> prepare_invitation(const operation::PrepareCalendarInvitation& invitation) override {
    if (invitation.to.empty()) return std::unexpected("invitation recipient is invalid");
    return {};
  }

  bool running = false;
  bool engine = true;
  bool refresh_queued = true;
  std::optional<std::string> save_refusal;
  std::optional<std::pair<MessageId, std::size_t>> saved;
  bool draft_revealed = false;
};

const MessageId unread{0, 1};
const MessageId gone{0, 9};

class InvokeOperationTest : public ::testing::Test {
 protected:
  InvokeOperationTest()
      : state_({state::AccountEntry{.id = "a1", .config = {.email = "a@example.org"}},
                state::AccountEntry{.id = "a2", .config = {.email = "b@example.org"}}},
               0, nullptr, 0) {
    message::MessageRecord record;
    record.id = unread;
    record.subject = "Hello";
    state_.store.insert(record);
  }

  Invocation invoke(const MailOperation& operation, InvocationPath path = InvocationPath::Mutable) {
    return invoke_operation(state_, host_, encode(operation), path);
  }
  // The error's message, or "ok" and the result.
  std::string outcome(const MailOperation& operation, InvocationPath path = InvocationPath::Mutable) {
    const Invocation invocation = invoke(operation, path);
    if (const auto* pending = std::get_if<PendingOperation>(&invocation))
      return "pending " + std::to_string(pending->id);
    const ActionResult& result = std::get<ActionResult>(invocation);
    return result ? "ok " + result->dump() : result.error().message;
  }

  state::MailState state_;
  FakeHost host_;
};

TEST_F(InvokeOperationTest, MessageOperationsNeedALoadedMessage) {
  const std::pair<MailOperation, const char*> cases[] = {
      {operation::RevealMessage{"not-an-id"}, "invalid message id"},
      {operation::InspectMessage{gone.to_string()}, "message is no longer loaded"},
      {operation::Reply{"x"}, "invalid message id"},
      {operation::ReplyAll{gone.to_string()}, "message is no longer loaded"},
      {operation::Forward{gone.to_string()}, "message is no longer loaded"},
      {operation::RevealFolder{"f1"}, "folder no longer exists"},
      {operation::RevealAccount{"a3"}, "account no longer exists"},
  };
  for (const auto& [operation, error] : cases) EXPECT_EQ(outcome(operation), error) << to_json(operation).dump();
  EXPECT_TRUE(state_.effects.empty());
}

TEST_F(InvokeOperationTest, OpeningMarksReadOnlyOnTheMutablePath) {
  const std::string id = unread.to_string();
  EXPECT_EQ(outcome(operation::RevealMessage{id}, InvocationPath::Direct),
            "Open message must use the admitted mutable operation path");
  EXPECT_FALSE(state_.store.find(unread)->read);

  EXPECT_EQ(outcome(operation::InspectMessage{id}),
            R"(ok {"operation":"InspectMessage","message":"Previewing without changing this message’s read state"})");
  EXPECT_FALSE(state_.store.find(unread)->read);
  EXPECT_TRUE(state_.preview);

  EXPECT_EQ(outcome(operation::RevealMessage{id}), R"(ok {"operation":"RevealMessage"})");
  EXPECT_TRUE(state_.store.find(unread)->read);
  EXPECT_EQ(state_.selected, unread);
}

TEST_F(InvokeOperationTest, NavigationChangesTheStateAndQueuesTheRest) {
  EXPECT_EQ(outcome(operation::RevealAccount{"a2"}), R"(ok {"operation":"RevealAccount"})");
  EXPECT_EQ(state_.current_account, 1u);
  EXPECT_EQ(outcome(operation::RevealFolder{"junk"}), R"(ok {"operation":"RevealFolder"})");
  EXPECT_EQ(state_.current_folder, FolderKind::Junk);

  state_.effects.clear();
  EXPECT_EQ(outcome(operation::ComposeNew{}), R"(ok {"operation":"ComposeNew"})");
  EXPECT_EQ(outcome(operation::ReplyAll{unread.to_string()}), R"(ok {"operation":"ReplyAll"})");
  ASSERT_EQ(state_.effects.size(), 2u);
  EXPECT_TRUE(std::holds_alternative<state::effect::ComposeNew>(state_.effects[0]));
  EXPECT_EQ(std::get<state::effect::ReplyAll>(state_.effects[1]).id, unread);

  EXPECT_EQ(outcome(operation::RevealDraft{}), R"(ok {"operation":"RevealDraft"})");
  EXPECT_TRUE(host_.draft_revealed);
}

TEST_F(InvokeOperationTest, OneOperationRunsAtATimeButSavesGoToThePortal) {
  host_.running = true;
  EXPECT_EQ(outcome(operation::RefreshCurrentFolder{}), "a mail operation is already running");
  EXPECT_EQ(outcome(operation::ComposeNew{}), "a mail operation is already running");
  EXPECT_EQ(outcome(operation::SaveAttachment{unread.to_string(), 2}, InvocationPath::Portal), "pending 7");
  EXPECT_EQ(host_.saved, std::pair(unread, std::size_t{2}));
}

TEST_F(InvokeOperationTest, SavingAnAttachmentTakesThePortalPath) {
  const std::string id = unread.to_string();
  EXPECT_EQ(outcome(operation::SaveAttachment{id, 0}), "Save attachment must use the admitted portal operation path");
  EXPECT_EQ(outcome(operation::SaveAttachment{"nope", 0}, InvocationPath::Portal), "invalid message id");
  host_.save_refusal = "another attachment save is already in progress";
  EXPECT_EQ(outcome(operation::SaveAttachment{id, 0}, InvocationPath::Portal),
            "another attachment save is already in progress");
}

TEST_F(InvokeOperationTest, RefreshingWaitsForTheEngine) {
  EXPECT_EQ(outcome(operation::RefreshCurrentFolder{}), "pending 8");
  host_.refresh_queued = false;
  EXPECT_EQ(outcome(operation::RefreshCurrentFolder{}), "mail refresh could not be queued");
  host_.engine = false;
  EXPECT_EQ(outcome(operation::RefreshCurrentFolder{}), "no connected mail account is available");
  host_.engine = true;
  state_.accounts[0].config.email.clear();
  EXPECT_EQ(outcome(operation::RefreshCurrentFolder{}), "no connected mail account is available");
}

TEST_F(InvokeOperationTest, InvitationsAreCheckedByTheApplication) {
  EXPECT_EQ(outcome(operation::PrepareCalendarInvitation{.to = "b@example.org"}),
            R"(ok {"operation":"PrepareCalendarInvitation","resource_type":"mail.draft"})");
  EXPECT_EQ(outcome(operation::PrepareCalendarInvitation{}), "invitation recipient is invalid");
  host_.engine = false;
  EXPECT_EQ(outcome(operation::PrepareCalendarInvitation{.to = "b@example.org"}),
            "no connected mail account is available");
}

TEST_F(InvokeOperationTest, OnlyDecodableMailOperationsAreHandled) {
  const auto run = [&](orvo::actions::EncodedAction action) {
    return std::get<ActionResult>(invoke_operation(state_, host_, action, InvocationPath::Mutable)).error();
  };
  EXPECT_EQ(run({"mail.action", "DiscardDraft", std::nullopt}),
            (orvo::actions::ActionError{"orvo.unknown_kind", "\"mail.action\" is not a mail operation"}));
  EXPECT_EQ(run({"mail.operation", Json::parse(R"({"Reply":{}})"), std::nullopt}).message,
            "Reply: missing field \"id\"");
}

}  // namespace
}  // namespace mail::actions
