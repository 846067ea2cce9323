#include <gtest/gtest.h>

#include "actions/mail_action.h"
#include "actions/mail_operation.h"

namespace mail::actions {
namespace {

using Json = nlohmann::ordered_json;

template <class Value>
struct JsonCase {
  Value value;
  const char* json;
};

const JsonCase<MailAction> action_cases[] = {
    {action::SetRead{{"a", "b"}, true}, R"({"SetRead":{"ids":["a","b"],"read":true}})"},
    {action::SetStarred{{"a"}, false}, R"({"SetStarred":{"ids":["a"],"starred":false}})"},
    {action::Move{{"a"}, "archive"}, R"({"Move":{"ids":["a"],"folder":"archive"}})"},
    {action::Purge{{"a"}}, R"({"Purge":{"ids":["a"]}})"},
    {action::AddLabel{{"a"}, "Work"}, R"({"AddLabel":{"ids":["a"],"label":"Work"}})"},
    {action::RemoveLabel{{}, "Work"}, R"({"RemoveLabel":{"ids":[],"label":"Work"}})"},
    {action::CreateFolder{"f1", "Receipts"}, R"({"CreateFolder":{"id":"f1","name":"Receipts"}})"},
    {action::RenameFolder{"f1", "Bills"}, R"({"RenameFolder":{"id":"f1","name":"Bills"}})"},
    {action::DeleteFolder{"f1"}, R"({"DeleteFolder":{"id":"f1"}})"},
    {action::SaveDraft{{.to = "a@b",
                        .subject = "Hi",
                        .html_body = "<p>x</p>",
                        .attachments = {{"mail-attachment:blake3:00", "a.txt", "text/plain", 3}}}},
     R"({"SaveDraft":{"to":"a@b","cc":"","bcc":"","subject":"Hi","body":"","html_body":"<p>x</p>",)"
     R"("calendar_ics":null,"attachments":[{"content_id":"mail-attachment:blake3:00","filename":"a.txt",)"
     R"("mime":"text/plain","size":3}]}})"},
    {action::DiscardDraft{}, R"("DiscardDraft")"},
};

const JsonCase<MailOperation> operation_cases[] = {
    {operation::ComposeNew{}, R"("ComposeNew")"},
    {operation::RefreshCurrentFolder{}, R"("RefreshCurrentFolder")"},
    {operation::RevealFolder{"inbox"}, R"({"RevealFolder":{"folder":"inbox"}})"},
    {operation::RevealAccount{"you@orvo.example"}, R"({"RevealAccount":{"id":"you@orvo.example"}})"},
    {operation::RevealMessage{"m"}, R"({"RevealMessage":{"id":"m"}})"},
    {operation::InspectMessage{"m"}, R"({"InspectMessage":{"id":"m"}})"},
    {operation::Reply{"m"}, R"({"Reply":{"id":"m"}})"},
    {operation::ReplyAll{"m"}, R"({"ReplyAll":{"id":"m"}})"},
    {operation::Forward{"m"}, R"({"Forward":{"id":"m"}})"},
    {operation::RevealDraft{}, R"("RevealDraft")"},
    {operation::SaveAttachment{"m", 0}, R"({"SaveAttachment":{"message_id":"m","index":0}})"},
    {operation::PrepareCalendarInvitation{"a@b", "Sync", "Hello", "BEGIN:VCALENDAR\r\n"},
     R"({"PrepareCalendarInvitation":{"to":"a@b","subject":"Sync","body":"Hello","calendar_ics":"BEGIN:VCALENDAR\r\n"}})"},
};

TEST(MailJson, ActionsRoundTripInTheirExactForm) {
  for (const auto& c : action_cases) {
    EXPECT_EQ(to_json(c.value).dump(), c.json);
    EXPECT_EQ(mail_action_from_json(Json::parse(c.json)), c.value) << c.json;
  }
}

TEST(MailJson, OperationsRoundTripInTheirExactForm) {
  for (const auto& c : operation_cases) {
    EXPECT_EQ(to_json(c.value).dump(), c.json);
    EXPECT_EQ(mail_operation_from_json(Json::parse(c.json)), c.value) << c.json;
  }
}

TEST(MailJson, RefusesWhatIsNotAVariantWithTheReason) {
  const std::pair<const char*, const char*> cases[] = {
      {R"("Nope")", "unknown MailAction variant \"Nope\""},
      {R"({"SetRead":{"ids":["a"]}})", "SetRead: missing field \"read\""},
      {R"({"SetRead":{"ids":["a",1],"read":true}})", "SetRead: field \"ids\" must be a list of text"},
      {R"({"SetRead":{"ids":[],"read":"yes"}})", "SetRead: field \"read\" must be a boolean"},
      {R"("SetRead")", "SetRead: needs an object of fields"},
      {R"({"DiscardDraft":{}})", "DiscardDraft: takes no fields"},
      {R"({"SaveDraft":{"subject":1}})", "SaveDraft: \"subject\" must be a string"},
      {R"({"Move":{"ids":[]},"Purge":{"ids":[]}})",
       "a MailAction is a variant name or an object with one member named after the variant"},
      {"[]", "a MailAction is a variant name or an object with one member named after the variant"},
  };
  for (const auto& [json, error] : cases) EXPECT_EQ(mail_action_from_json(Json::parse(json)).error(), error) << json;
  EXPECT_EQ(mail_operation_from_json(Json::parse(R"({"SaveAttachment":{"message_id":"m","index":-1}})")).error(),
            "SaveAttachment: field \"index\" must be a whole number");
}

TEST(MailJson, EncodesUnderTheKindAndDeclaredType) {
  EXPECT_EQ(encode(MailAction(action::DiscardDraft{})),
            (orvo::actions::EncodedAction{"mail.action", "DiscardDraft", std::nullopt}));
  const std::pair<MailOperation, orvo::actions::OperationType> types[] = {
      {operation::ComposeNew{}, orvo::actions::OperationType::View},
      {operation::RevealMessage{"m"}, orvo::actions::OperationType::View},
      {operation::RevealDraft{}, orvo::actions::OperationType::View},
      {operation::RefreshCurrentFolder{}, orvo::actions::OperationType::Effect},
      {operation::SaveAttachment{"m", 1}, orvo::actions::OperationType::Effect},
      {operation::PrepareCalendarInvitation{}, orvo::actions::OperationType::Effect},
  };
  for (const auto& [operation, type] : types) {
    const auto encoded = encode(operation);
    EXPECT_EQ(encoded.kind, "mail.operation");
    EXPECT_EQ(encoded.operation_type, type) << encoded.payload.dump();
  }
}

}  // namespace
}  // namespace mail::actions
