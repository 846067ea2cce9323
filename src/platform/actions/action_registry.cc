#include "platform/actions/action_registry.h"

namespace orvo::actions {

std::expected<void, std::string> ActionRegistry::add(std::string kind, std::any handler) {
  if (handlers_.contains(kind)) return std::unexpected("a handler for \"" + kind + "\" is already registered");
  handlers_.emplace(std::move(kind), std::move(handler));
  return {};
}

std::vector<std::string> ActionRegistry::kinds() const {
  std::vector<std::string> names;
  for (const auto& [kind, handler] : handlers_) names.push_back(kind);
  return names;
}

const std::any* ActionRegistry::find(std::string_view kind) const {
  const auto found = handlers_.find(kind);
  return found == handlers_.end() ? nullptr : &found->second;
}

ActionError ActionRegistry::no_handler(std::string_view kind) {
  return {"orvo.unknown_kind", "no handler is registered for \"" + std::string(kind) + "\""};
}

}  // namespace orvo::actions
