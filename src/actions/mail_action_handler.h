#pragma once

#include <expected>
#include <string>

#include "actions/mail_action.h"
#include "platform/actions/action_context.h"
#include "platform/actions/action_host.h"
#include "platform/actions/action_registry.h"
#include "platform/actions/local_transport.h"
#include "platform/storage/document.h"

namespace mail::actions {

using MailTransport = orvo::actions::LocalTransport<orvo::storage::Document>;

// Registers the one handler the program has: changes of kind "mail.action", decoded
// from their JSON and applied to the mail document.
std::expected<void, std::string> register_mail_actions(orvo::actions::ActionRegistry& registry);

// The context of the program's own changes: the application "org.orvo.Mail", "Mail".
orvo::actions::ActionContext mail_context();

// Records a change the user made in the window, as every local-first mutation does:
// a draft is normalised before it travels, then the change is dispatched through the
// registry to the document like any other program's.
std::expected<orvo::actions::AppliedChange, orvo::actions::ActionError> record_mail_action(
    const orvo::actions::ActionRegistry& registry, MailTransport& transport, MailAction action);

// Applies a change another program invoked. The result names the change and the
// document's heads after it.
orvo::actions::ActionResult apply_invoked_action(const orvo::actions::ActionRegistry& registry,
                                                 MailTransport& transport, const orvo::actions::EncodedAction& action,
                                                 const orvo::actions::ActionContext& context);

}  // namespace mail::actions
