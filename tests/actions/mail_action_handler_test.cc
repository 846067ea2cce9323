#include "actions/mail_action_handler.h"

#include <gtest/gtest.h>

#include "actions/local_change_action.h"
#include "doc/document_layout.h"
#include "doc/message_marks.h"

namespace mail::actions {
namespace {

using message::MessageId;
using orvo::actions::ActionError;
using orvo::actions::AppliedChange;

const MessageId known{0, 1};

class MailActionHandlerTest : public ::testing::Test {
 protected:
  MailActionHandlerTest() {
    EXPECT_TRUE(register_mail_actions(registry_).has_value());
    doc::ensure_message(document_, known);
  }

  orvo::actions::ActionRegistry registry_;
  orvo::storage::Document document_;
  MailTransport transport_{document_};
};

TEST_F(MailActionHandlerTest, RecordsTheWindowsOwnChangesLabelledForPeople) {
  const auto applied = record_mail_action(registry_, transport_, action::SetRead{{known.to_string()}, true});
  ASSERT_TRUE(applied.has_value()) << applied.error().message;
  EXPECT_EQ(*applied, (AppliedChange{"mail.action", "Set read", document_.heads()}));
  EXPECT_TRUE(*document_.get<bool>(doc::flags_path(known, "read")));
  EXPECT_EQ(mail_context().application_id, "org.orvo.Mail");
  EXPECT_EQ(mail_context().application_label, "Mail");
}

TEST_F(MailActionHandlerTest, AppliesOtherProgramsChangesAndRefusesWhatDoesNotDecode) {
  const orvo::actions::ActionContext shell{.application_id = "org.orvo.Shell", .application_label = "Shell"};
  const auto star = encode(MailAction(action::SetStarred{{known.to_string()}, true}));
  const auto applied = apply_invoked_action(registry_, transport_, star, shell);
  ASSERT_TRUE(applied.has_value()) << applied.error().message;
  EXPECT_EQ(applied->dump(),
            R"({"kind":"mail.action","applied":"Set starred","heads":)" + std::to_string(document_.heads()) + "}");

  const orvo::actions::EncodedAction broken{"mail.action", nlohmann::ordered_json::parse(R"({"SetRead":{"ids":[]}})"),
                                            std::nullopt};
  EXPECT_EQ(apply_invoked_action(registry_, transport_, broken, shell).error(),
            ActionError::invalid_arguments("could not decode \"mail.action\": SetRead: missing field \"read\""));
}

TEST_F(MailActionHandlerTest, ApplyFailuresComeBackAsErrors) {
  const auto applied = record_mail_action(registry_, transport_, action::Purge{{known.to_string()}});
  EXPECT_EQ(applied.error(),
            ActionError::failed("every message must still be present in Trash before permanent deletion"));
  EXPECT_EQ(register_mail_actions(registry_).error(), "a handler for \"mail.action\" is already registered");
}

TEST(LocalChangeAction, NamesEveryChangedMessageInOneAction) {
  using Kind = state::LocalChange::Kind;
  const std::vector<MessageId> ids{{0, 1}, {0, 2}};
  const std::vector<std::string> keys{ids[0].to_string(), ids[1].to_string()};
  const std::pair<state::LocalChange, MailAction> cases[] = {
      {{.kind = Kind::SetRead, .ids = ids, .value = true}, action::SetRead{keys, true}},
      {{.kind = Kind::SetStarred, .ids = ids, .value = false}, action::SetStarred{keys, false}},
      {{.kind = Kind::Move, .ids = ids, .destination = message::FolderKind::Junk}, action::Move{keys, "junk"}},
      {{.kind = Kind::Purge, .ids = ids}, action::Purge{keys}},
  };
  for (const auto& [change, expected] : cases) EXPECT_EQ(to_mail_action(change), expected);
}

}  // namespace
}  // namespace mail::actions
