#include "actions/invoke_operation.h"

#include <algorithm>

#include "actions/mail_snapshot.h"
#include "message/folder_kind.h"

namespace mail::actions {
namespace {

using orvo::actions::ActionError;
using orvo::actions::ActionResult;
using orvo::actions::Invocation;
using orvo::actions::InvocationPath;
using Json = nlohmann::ordered_json;

ActionResult failed(std::string message) { return std::unexpected(ActionError::failed(std::move(message))); }

ActionResult done(std::string_view operation, Json details = Json::object()) {
  Json result{{"operation", operation}};
  result.update(details);
  return result;
}

// Everything an operation needs to run: the state, the host and the path it came by.
struct Run {
  state::MailState& state;
  OperationHost& host;
  InvocationPath path;
};

bool connected(const Run& run) { return is_connected(run.state, run.host.has_engine()); }

// A message operation names a message that is loaded now.
std::expected<message::MessageId, std::string> loaded_message(const Run& run, const std::string& text) {
  const auto id = message::MessageId::parse(text);
  if (!id) return std::unexpected("invalid message id");
  if (run.state.store.find(*id) == nullptr) return std::unexpected("message is no longer loaded");
  return *id;
}

template <class Effect, class Operation>
Invocation queue_for_message(Run& run, const Operation& operation) {
  const auto id = loaded_message(run, operation.id);
  if (!id) return failed(id.error());
  run.state.queue(Effect{*id});
  return done(Operation::tag);
}

Invocation run_operation(Run& run, const operation::ComposeNew& operation) {
  run.state.queue(state::effect::ComposeNew{});
  return done(operation.tag);
}

Invocation run_operation(Run& run, const operation::RefreshCurrentFolder&) {
  if (!connected(run)) return failed("no connected mail account is available");
  if (auto pending = run.host.start_refresh()) return *pending;
  return failed("mail refresh could not be queued");
}

Invocation run_operation(Run& run, const operation::RevealFolder& operation) {
  const auto folder = message::folder_from_identifier(operation.folder);
  if (!folder) return failed("folder no longer exists");
  run.state.open_folder(*folder);
  return done(operation.tag);
}

Invocation run_operation(Run& run, const operation::RevealAccount& operation) {
  const auto& accounts = run.state.accounts;
  const auto account = std::ranges::find(accounts, operation.id, &state::AccountEntry::id);
  if (account == accounts.end()) return failed("account no longer exists");
  run.state.current_account = static_cast<std::size_t>(account - accounts.begin());
  run.state.open_folder(message::FolderKind::Inbox);
  return done(operation.tag);
}

// Opening marks the message read, a change to mail data, so it is admitted only on
// the path that may change the document.
Invocation run_operation(Run& run, const operation::RevealMessage& operation) {
  if (run.path != InvocationPath::Mutable) return failed("Open message must use the admitted mutable operation path");
  const auto id = loaded_message(run, operation.id);
  if (!id) return failed(id.error());
  run.state.open_message(*id);
  return done(operation.tag);
}

Invocation run_operation(Run& run, const operation::InspectMessage& operation) {
  const auto id = loaded_message(run, operation.id);
  if (!id) return failed(id.error());
  run.state.preview_message(*id);
  return done(operation.tag, {{"message", "Previewing without changing this message’s read state"}});
}

Invocation run_operation(Run& run, const operation::Reply& operation) {
  return queue_for_message<state::effect::Reply>(run, operation);
}

Invocation run_operation(Run& run, const operation::ReplyAll& operation) {
  return queue_for_message<state::effect::ReplyAll>(run, operation);
}

Invocation run_operation(Run& run, const operation::Forward& operation) {
  return queue_for_message<state::effect::Forward>(run, operation);
}

Invocation run_operation(Run& run, const operation::RevealDraft& operation) {
  run.host.reveal_draft();
  return done(operation.tag);
}

Invocation run_operation(Run& run, const operation::PrepareCalendarInvitation& operation) {
  if (!connected(run)) return failed("no connected mail account is available");
  if (auto prepared = run.host.prepare_invitation(operation); !prepared) return failed(prepared.error());
  return done(operation.tag, {{"resource_type", "mail.draft"}});
}

// A file save goes through the portal, which shows the user where it will land; it
// runs beside other operations, so it is not held back while one is running.
Invocation run_operation(Run& run, const operation::SaveAttachment& operation) {
  if (run.path != InvocationPath::Portal) return failed("Save attachment must use the admitted portal operation path");
  const auto id = message::MessageId::parse(operation.message_id);
  if (!id) return failed("invalid message id");
  auto pending = run.host.start_attachment_save(*id, operation.index);
  if (!pending) return failed(pending.error());
  return *pending;
}

Invocation run_decoded(Run& run, const MailOperation& operation) {
  const bool saves_file = std::holds_alternative<operation::SaveAttachment>(operation);
  if (!saves_file && run.host.operation_running()) return failed("a mail operation is already running");
  return std::visit([&](const auto& chosen) { return run_operation(run, chosen); }, operation);
}

}  // namespace

Invocation invoke_operation(state::MailState& state, OperationHost& host, const orvo::actions::EncodedAction& action,
                            InvocationPath path) {
  if (action.kind != mail_operation_kind) {
    return ActionResult(
        std::unexpected(ActionError{"orvo.unknown_kind", "\"" + action.kind + "\" is not a mail operation"}));
  }
  const auto operation = mail_operation_from_json(action.payload);
  if (!operation) return failed(operation.error());
  Run context{state, host, path};
  return run_decoded(context, *operation);
}

}  // namespace mail::actions
