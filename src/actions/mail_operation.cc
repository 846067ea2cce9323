#include "actions/mail_operation.h"

#include "actions/tagged_variant.h"

namespace mail::actions {
namespace operation {
namespace {

using Json = nlohmann::ordered_json;
template <class T>
using As = std::type_identity<T>;

}  // namespace

Json fields_to_json(const RevealFolder& o) { return {{"folder", o.folder}}; }
Json fields_to_json(const RevealAccount& o) { return {{"id", o.id}}; }
Json fields_to_json(const RevealMessage& o) { return {{"id", o.id}}; }
Json fields_to_json(const InspectMessage& o) { return {{"id", o.id}}; }
Json fields_to_json(const Reply& o) { return {{"id", o.id}}; }
Json fields_to_json(const ReplyAll& o) { return {{"id", o.id}}; }
Json fields_to_json(const Forward& o) { return {{"id", o.id}}; }
Json fields_to_json(const SaveAttachment& o) { return {{"message_id", o.message_id}, {"index", o.index}}; }
Json fields_to_json(const PrepareCalendarInvitation& o) {
  return {{"to", o.to}, {"subject", o.subject}, {"body", o.body}, {"calendar_ics", o.calendar_ics}};
}

RevealFolder fields_from_json(FieldReader& f, As<RevealFolder>) { return {.folder = f.text("folder")}; }
RevealAccount fields_from_json(FieldReader& f, As<RevealAccount>) { return {.id = f.text("id")}; }
RevealMessage fields_from_json(FieldReader& f, As<RevealMessage>) { return {.id = f.text("id")}; }
InspectMessage fields_from_json(FieldReader& f, As<InspectMessage>) { return {.id = f.text("id")}; }
Reply fields_from_json(FieldReader& f, As<Reply>) { return {.id = f.text("id")}; }
ReplyAll fields_from_json(FieldReader& f, As<ReplyAll>) { return {.id = f.text("id")}; }
Forward fields_from_json(FieldReader& f, As<Forward>) { return {.id = f.text("id")}; }
SaveAttachment fields_from_json(FieldReader& f, As<SaveAttachment>) {
  return {.message_id = f.text("message_id"), .index = f.count("index")};
}
PrepareCalendarInvitation fields_from_json(FieldReader& f, As<PrepareCalendarInvitation>) {
  return {
      .to = f.text("to"), .subject = f.text("subject"), .body = f.text("body"), .calendar_ics = f.text("calendar_ics")};
}

}  // namespace operation

nlohmann::ordered_json to_json(const MailOperation& operation) { return tagged_to_json(operation); }

std::expected<MailOperation, std::string> mail_operation_from_json(const nlohmann::ordered_json& json) {
  return tagged_from_json<MailOperation>(json, "MailOperation");
}

orvo::actions::OperationType operation_type(const MailOperation& operation) {
  const bool effect = std::holds_alternative<operation::RefreshCurrentFolder>(operation) ||
                      std::holds_alternative<operation::SaveAttachment>(operation) ||
                      std::holds_alternative<operation::PrepareCalendarInvitation>(operation);
  return effect ? orvo::actions::OperationType::Effect : orvo::actions::OperationType::View;
}

orvo::actions::EncodedAction encode(const MailOperation& operation) {
  return {.kind = std::string(mail_operation_kind),
          .payload = to_json(operation),
          .operation_type = operation_type(operation)};
}

}  // namespace mail::actions
