#pragma once

#include <cstddef>
#include <expected>
#include <optional>
#include <string>

#include "actions/mail_operation.h"
#include "message/message_id.h"
#include "platform/actions/action_context.h"
#include "platform/actions/action_host.h"
#include "platform/actions/encoded_action.h"
#include "state/mail_state.h"

namespace mail::actions {

// What only the application object can do for an invoked operation: it owns the
// engine, the operation slots, the file portal and the composer.
class OperationHost {
 public:
  virtual ~OperationHost() = default;

  // A request is pending or an operation slot is taken.
  [[nodiscard]] virtual bool operation_running() const = 0;
  [[nodiscard]] virtual bool has_engine() const = 0;
  // Asks the file portal to save the attachment; the refusal's text when it cannot start.
  virtual std::expected<orvo::actions::PendingOperation, std::string> start_attachment_save(
      const message::MessageId& id, std::size_t index) = 0;
  // Sends a refresh of the current folder; none when no request could be sent.
  virtual std::optional<orvo::actions::PendingOperation> start_refresh() = 0;
  // Reopens the current draft in the composer.
  virtual void reveal_draft() = 0;
  // Stores the invitation as the current draft and opens it, or says what is wrong with it.
  virtual std::expected<void, std::string> prepare_invitation(
      const operation::PrepareCalendarInvitation& invitation) = 0;
};

// Carries out an invoked operation on the state and the host, or fails with the
// sentence the invoking program shows. Operations that finish later (a refresh, an
// attachment save) come back pending. Effects the state queued are left for the
// application to drain.
orvo::actions::Invocation invoke_operation(state::MailState& state, OperationHost& host,
                                           const orvo::actions::EncodedAction& action,
                                           orvo::actions::InvocationPath path);

}  // namespace mail::actions
