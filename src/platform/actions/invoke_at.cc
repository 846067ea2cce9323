#include "platform/actions/invoke_at.h"

#include "platform/actions/derive_input.h"

namespace orvo::actions {
namespace {

InvocationPath admitted_path(const ActionSpec& spec) {
  const bool saves_file = spec.contract() && spec.contract()->has_tag("file-save");
  return saves_file ? InvocationPath::Portal : InvocationPath::Mutable;
}

ActionResult refused(ActionError error) { return std::unexpected(std::move(error)); }

}  // namespace

Invocation invoke_at(ActionHost& host, const ActionRegistry& registry, const ActionAddress& address,
                     const ActionArgs& args, ActionContext context) {
  const auto resource = host.resolve_resource(address.resource);
  if (!resource) return refused(ActionError::not_found("no resource \"" + address.resource + "\""));
  const ActionSpec* spec = resource->action(address.action);
  if (spec == nullptr) {
    return refused(ActionError::not_found("\"" + address.resource + "\" has no action \"" + address.action + "\""));
  }
  auto encoded = derive_input(*spec, args);
  if (!encoded) return refused(std::move(encoded.error()));
  context.path = admitted_path(*spec);
  return host.invoke(*encoded, context, registry);
}

}  // namespace orvo::actions
