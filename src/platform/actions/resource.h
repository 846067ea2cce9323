#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/actions/action_spec.h"

namespace orvo::actions {

// A thing an application publishes (a mailbox, a folder, a message) with the actions
// it offers and the resources inside it, each list in the order it was built.
struct Resource {
  std::string type;
  std::string id;
  std::string label;
  std::vector<ActionSpec> actions;
  std::vector<Resource> children;

  Resource with_action(ActionSpec action) &&;
  Resource with_child(Resource child) &&;

  [[nodiscard]] const ActionSpec* action(std::string_view action_id) const;
  // This resource or the first of its descendants, depth first, with the id.
  [[nodiscard]] const Resource* find(std::string_view resource_id) const;
};

}  // namespace orvo::actions
