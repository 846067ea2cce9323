#pragma once

#include <expected>

#include "platform/actions/action_args.h"
#include "platform/actions/action_error.h"
#include "platform/actions/action_spec.h"
#include "platform/actions/encoded_action.h"

namespace orvo::actions {

// The admitted way from an invocation to the action it stands for, refused at the
// first failing step: the action must be available, every argument must belong to a
// parameter and meet it, the encoder must succeed, and the result must declare the
// spec's operation type.
std::expected<EncodedAction, ActionError> derive_input(const ActionSpec& spec, const ActionArgs& args);

}  // namespace orvo::actions
