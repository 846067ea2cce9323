#include "platform/actions/resource.h"

#include <algorithm>

namespace orvo::actions {

Resource Resource::with_action(ActionSpec action) && {
  actions.push_back(std::move(action));
  return std::move(*this);
}

Resource Resource::with_child(Resource child) && {
  children.push_back(std::move(child));
  return std::move(*this);
}

const ActionSpec* Resource::action(std::string_view action_id) const {
  const auto found = std::ranges::find(actions, action_id, &ActionSpec::id);
  return found == actions.end() ? nullptr : &*found;
}

const Resource* Resource::find(std::string_view resource_id) const {
  if (id == resource_id) return this;
  for (const Resource& child : children) {
    if (const Resource* found = child.find(resource_id)) return found;
  }
  return nullptr;
}

}  // namespace orvo::actions
