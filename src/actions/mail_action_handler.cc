#include "actions/mail_action_handler.h"

#include "actions/apply_mail_action.h"
#include "doc/draft_normalization.h"

namespace mail::actions {
namespace {

using orvo::actions::ActionError;
using orvo::actions::TypedAction;
using orvo::storage::Document;

std::expected<TypedAction<Document>, ActionError> decode(const nlohmann::ordered_json& payload) {
  auto action = mail_action_from_json(payload);
  if (!action) {
    return std::unexpected(ActionError::invalid_arguments("could not decode \"" + std::string(mail_action_kind) +
                                                          "\": " + action.error()));
  }
  return TypedAction<Document>{
      [change = std::move(*action)](Document& document) { return apply_mail_action(document, change); }};
}

}  // namespace

std::expected<void, std::string> register_mail_actions(orvo::actions::ActionRegistry& registry) {
  return registry.register_handler<Document>(std::string(mail_action_kind), decode);
}

orvo::actions::ActionContext mail_context() { return {.application_id = "org.orvo.Mail", .application_label = "Mail"}; }

std::expected<orvo::actions::AppliedChange, ActionError> record_mail_action(
    const orvo::actions::ActionRegistry& registry, MailTransport& transport, MailAction action) {
  if (auto* save = std::get_if<action::SaveDraft>(&action)) save->draft = doc::normalize_draft(std::move(save->draft));
  return orvo::actions::dispatch_by_with_context(registry, transport, encode(action), mail_context());
}

orvo::actions::ActionResult apply_invoked_action(const orvo::actions::ActionRegistry& registry,
                                                 MailTransport& transport, const orvo::actions::EncodedAction& action,
                                                 const orvo::actions::ActionContext& context) {
  auto applied = orvo::actions::dispatch_by_with_context(registry, transport, action, context);
  if (!applied) return std::unexpected(std::move(applied.error()));
  return orvo::actions::to_json(*applied);
}

}  // namespace mail::actions
