// What other programs see of the window and do through it: the resource tree, invoked
// changes and operations, and the long operations they wait on.
#include "app/mail_app.h"

#include "actions/mail_action_handler.h"
#include "actions/mail_snapshot.h"
#include "actions/mailbox_resources.h"
#include "actions/resolve_mail_resource.h"
#include "app/invitation_draft.h"

namespace mail::app {

using orvo::actions::ActionError;
using orvo::actions::ActionResult;
using orvo::actions::PendingOperation;

orvo::actions::Resource MailApp::action_resources() const {
  return actions::mail_resource_tree(actions::take_snapshot(*state_, document_, engine_.has_engine()));
}

std::optional<orvo::actions::Resource> MailApp::resolve_resource(std::string_view id) const {
  if (auto resource = actions::resolve_mail_resource(*state_, id)) return resource;
  return ActionHost::resolve_resource(id);
}

orvo::actions::Invocation MailApp::invoke(const orvo::actions::EncodedAction& action,
                                          const orvo::actions::ActionContext& context,
                                          const orvo::actions::ActionRegistry& registry) {
  dirty_ = true;
  if (action.kind == actions::mail_action_kind) {
    actions::MailTransport transport(document_);
    ActionResult result = actions::apply_invoked_action(registry, transport, action, context);
    commit_document();
    return result;
  }
  orvo::actions::Invocation invocation = actions::invoke_operation(*state_, *this, action, context.path);
  drain_effects();
  return invocation;
}

std::optional<ActionResult> MailApp::collect(PendingOperation operation) {
  if (refresh_operation_ && refresh_operation_->operation.id == operation.id) {
    auto outcome = engine_.take_fetch_outcome(refresh_operation_->request);
    if (!outcome) return std::nullopt;
    refresh_operation_.reset();
    if (*outcome) return std::unexpected(ActionError::failed(**outcome));
    return ActionResult(nlohmann::ordered_json::object());
  }
  if (save_operation_ && save_operation_->operation.id == operation.id) {
    if (!save_operation_->outcome) return std::nullopt;
    const compose::SaveOutcome outcome = *std::exchange(save_operation_, std::nullopt)->outcome;
    if (outcome.result != compose::SaveResult::Saved) return std::unexpected(ActionError::failed(outcome.status));
    return ActionResult(nlohmann::ordered_json{{"status", outcome.status}});
  }
  return std::unexpected(ActionError::not_found("no such operation"));
}

// The invoker stopped waiting; the work itself goes on and ends as usual.
void MailApp::cancel(PendingOperation operation) {
  if (refresh_operation_ && refresh_operation_->operation.id == operation.id) {
    engine_.forget_fetch(refresh_operation_->request);
    refresh_operation_.reset();
  }
  if (save_operation_ && save_operation_->operation.id == operation.id) save_operation_.reset();
}

bool MailApp::operation_running() const {
  return engine_.busy() || refresh_operation_.has_value() || save_operation_.has_value() ||
         attachment_save_.has_value();
}

std::expected<PendingOperation, std::string> MailApp::start_attachment_save(const message::MessageId& id,
                                                                            std::size_t index) {
  if (auto started = begin_attachment_save(id, index); !started) return std::unexpected(started.error());
  save_operation_ = SaveOperation{next_operation(), std::nullopt};
  return save_operation_->operation;
}

std::optional<PendingOperation> MailApp::start_refresh() {
  const auto account = state_->current_account_config();
  if (!account || !engine_.has_engine()) return std::nullopt;
  const auto request = engine_.send(
      engine::request::Sync{engine::RequestId::generate(), *account, state_->current_folder}, *state_);
  if (!request) return std::nullopt;
  engine_.watch_fetch(*request);
  last_refresh_ = state_->clock;
  state_->set_status("Syncing\u2026");
  refresh_operation_ = RefreshOperation{next_operation(), *request};
  return refresh_operation_->operation;
}

// The draft shows in Drafts; reopening it in the composer comes with the composer.
void MailApp::reveal_draft() { state_->open_folder(message::FolderKind::Drafts); }

std::expected<void, std::string> MailApp::prepare_invitation(
    const actions::operation::PrepareCalendarInvitation& invitation) {
  auto draft = invitation_draft(invitation);
  if (!draft) return std::unexpected(draft.error());
  actions::MailTransport transport(document_);
  if (auto recorded = actions::record_mail_action(own_registry_, transport, actions::action::SaveDraft{*draft});
      !recorded) {
    return std::unexpected(recorded.error().message);
  }
  commit_document();
  state_->set_status("Invitation prepared \u2014 review it before sending");
  return {};
}

}  // namespace mail::app
