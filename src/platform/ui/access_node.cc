#include "platform/ui/access_node.h"

#include <nlohmann/json.hpp>

namespace orvo::ui {
namespace {

nlohmann::ordered_json to_json(const AccessNode& node) {
  nlohmann::ordered_json json{{"role", role_name(node.role)}, {"label", node.label}};
  if (!node.value.empty()) json["value"] = node.value;
  if (!node.description.empty()) json["description"] = node.description;
  if (!node.id.empty()) json["id"] = node.id;
  if (node.bounds) json["bounds"] = {node.bounds->x0, node.bounds->y0, node.bounds->x1, node.bounds->y1};
  if (!node.actions.empty()) {
    auto& actions = json["actions"] = nlohmann::ordered_json::array();
    for (const AccessAction& action : node.actions) actions.push_back({{"label", action.label}, {"id", action.id}});
  }
  if (!node.children.empty()) {
    auto& children = json["children"] = nlohmann::ordered_json::array();
    for (const AccessNode& child : node.children) children.push_back(to_json(child));
  }
  return json;
}

}  // namespace

std::string_view role_name(AccessRole role) {
  switch (role) {
    case AccessRole::Window: return "window";
    case AccessRole::Group: return "group";
    case AccessRole::Status: return "status";
    case AccessRole::Tree: return "tree";
    case AccessRole::TreeItem: return "tree-item";
    case AccessRole::List: return "list";
    case AccessRole::ListItem: return "list-item";
    case AccessRole::Button: return "button";
    case AccessRole::TextField: return "text-field";
    case AccessRole::Document: return "document";
    case AccessRole::Heading: return "heading";
    case AccessRole::Text: return "text";
    case AccessRole::Menu: return "menu";
    case AccessRole::MenuItem: return "menu-item";
    case AccessRole::Dialog: return "dialog";
  }
  return "group";
}

std::string to_json_text(const AccessNode& root) { return to_json(root).dump(2); }

}  // namespace orvo::ui
