#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/geometry.h"

namespace orvo::ui {

enum class AccessRole : std::uint8_t {
  Window,
  Group,
  Status,
  Tree,
  TreeItem,
  List,
  ListItem,
  Button,
  TextField,
  Document,
  Heading,
  Text,
  Menu,
  MenuItem,
  Dialog,
};

std::string_view role_name(AccessRole role);

// A named command a node offers, reached through its semantic-action id.
struct AccessAction {
  std::string label;
  std::string id;
};

// One node of the accessibility tree. `id` is the semantic-action id that reaches
// the control itself (empty for nodes that take no action).
struct AccessNode {
  AccessRole role = AccessRole::Group;
  std::string label;
  std::string value;
  std::string description;
  std::string id;
  std::optional<Rect> bounds;
  std::vector<AccessAction> actions;
  std::vector<AccessNode> children;
};

// The tree as indented JSON, for tools and tests.
std::string to_json_text(const AccessNode& root);

}  // namespace orvo::ui
