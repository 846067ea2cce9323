#include "platform/actions/action_host.h"

namespace orvo::actions {

std::optional<Resource> ActionHost::resolve_resource(std::string_view id) const {
  const Resource tree = action_resources();
  const Resource* found = tree.find(id);
  if (found == nullptr) return std::nullopt;
  return *found;
}

}  // namespace orvo::actions
