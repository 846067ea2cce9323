#include "platform/actions/derive_input.h"

#include <algorithm>

namespace orvo::actions {
namespace {

// Arguments no parameter takes are refused, so that a misspelt name is not silently
// read as a missing argument.
std::expected<void, ActionError> check_arguments(const ActionSpec& spec, const ActionArgs& args) {
  for (const auto& [name, value] : args.values().items()) {
    if (std::ranges::find(spec.params(), name, &ActionParam::name) == spec.params().end()) {
      return std::unexpected(ActionError::invalid_arguments("unexpected argument \"" + name + "\""));
    }
  }
  for (const ActionParam& param : spec.params()) {
    if (auto checked = param.check(args); !checked) return std::unexpected(checked.error());
  }
  return {};
}

}  // namespace

std::expected<EncodedAction, ActionError> derive_input(const ActionSpec& spec, const ActionArgs& args) {
  if (const auto& reason = spec.unavailability())
    return std::unexpected(ActionError{reason->reason_code, reason->message});
  if (auto checked = check_arguments(spec, args); !checked) return std::unexpected(checked.error());
  auto encoded = spec.encode(args);
  if (!encoded) return encoded;
  return enforce_operation_type(std::move(*encoded), spec.operation_type());
}

}  // namespace orvo::actions
