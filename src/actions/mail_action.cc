#include "actions/mail_action.h"

#include "actions/tagged_variant.h"
#include "doc/draft_json.h"

namespace mail::actions {
namespace action {
namespace {

using Json = nlohmann::ordered_json;
template <class T>
using As = std::type_identity<T>;

}  // namespace

Json fields_to_json(const SetRead& a) { return {{"ids", a.ids}, {"read", a.read}}; }
Json fields_to_json(const SetStarred& a) { return {{"ids", a.ids}, {"starred", a.starred}}; }
Json fields_to_json(const Move& a) { return {{"ids", a.ids}, {"folder", a.folder}}; }
Json fields_to_json(const Purge& a) { return {{"ids", a.ids}}; }
Json fields_to_json(const AddLabel& a) { return {{"ids", a.ids}, {"label", a.label}}; }
Json fields_to_json(const RemoveLabel& a) { return {{"ids", a.ids}, {"label", a.label}}; }
Json fields_to_json(const CreateFolder& a) { return {{"id", a.id}, {"name", a.name}}; }
Json fields_to_json(const RenameFolder& a) { return {{"id", a.id}, {"name", a.name}}; }
Json fields_to_json(const DeleteFolder& a) { return {{"id", a.id}}; }
Json fields_to_json(const SaveDraft& a) { return doc::draft_to_json(a.draft); }

SetRead fields_from_json(FieldReader& f, As<SetRead>) { return {.ids = f.texts("ids"), .read = f.boolean("read")}; }
SetStarred fields_from_json(FieldReader& f, As<SetStarred>) {
  return {.ids = f.texts("ids"), .starred = f.boolean("starred")};
}
Move fields_from_json(FieldReader& f, As<Move>) { return {.ids = f.texts("ids"), .folder = f.text("folder")}; }
Purge fields_from_json(FieldReader& f, As<Purge>) { return {.ids = f.texts("ids")}; }
AddLabel fields_from_json(FieldReader& f, As<AddLabel>) { return {.ids = f.texts("ids"), .label = f.text("label")}; }
RemoveLabel fields_from_json(FieldReader& f, As<RemoveLabel>) {
  return {.ids = f.texts("ids"), .label = f.text("label")};
}
CreateFolder fields_from_json(FieldReader& f, As<CreateFolder>) { return {.id = f.text("id"), .name = f.text("name")}; }
RenameFolder fields_from_json(FieldReader& f, As<RenameFolder>) { return {.id = f.text("id"), .name = f.text("name")}; }
DeleteFolder fields_from_json(FieldReader& f, As<DeleteFolder>) { return {.id = f.text("id")}; }
SaveDraft fields_from_json(FieldReader& f, As<SaveDraft>) {
  auto draft = doc::draft_from_json(f.whole());
  if (!draft) f.fail(draft.error());
  return {.draft = draft.value_or(message::DraftData{})};
}

}  // namespace action

nlohmann::ordered_json to_json(const MailAction& action) { return tagged_to_json(action); }

std::expected<MailAction, std::string> mail_action_from_json(const nlohmann::ordered_json& json) {
  return tagged_from_json<MailAction>(json, "MailAction");
}

orvo::actions::EncodedAction encode(const MailAction& action) {
  return {.kind = std::string(mail_action_kind), .payload = to_json(action), .operation_type = std::nullopt};
}

}  // namespace mail::actions
