#pragma once

#include "platform/actions/action_address.h"
#include "platform/actions/action_args.h"
#include "platform/actions/action_context.h"
#include "platform/actions/action_host.h"
#include "platform/actions/action_registry.h"

namespace orvo::actions {

// Invokes the action at the address: finds the resource through the host, admits the
// arguments against the action's spec (`derive_input`) and hands the encoded action
// to the host on the path the action admits — the file portal for actions that save
// files, the mutable path for the rest.
Invocation invoke_at(ActionHost& host, const ActionRegistry& registry, const ActionAddress& address,
                     const ActionArgs& args, ActionContext context);

}  // namespace orvo::actions
