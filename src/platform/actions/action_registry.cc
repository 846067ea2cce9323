#include "platform/actions/action_registry.h"

namespace orvo::actions {

std::expected<void, std::string> ActionRegistry::register_handler(std::string kind, Handler handler) {
  if (handlers_.contains(kind)) return std::unexpected("a handler for \"" + kind + "\" is already registered");
  handlers_.emplace(std::move(kind), std::move(handler));
  return {};
}

std::vector<std::string> ActionRegistry::kinds() const {
  std::vector<std::string> names;
  for (const auto& [kind, handler] : handlers_) names.push_back(kind);
  return names;
}

std::expected<nlohmann::json, std::string> ActionRegistry::dispatch(std::string_view kind,
                                                                    const nlohmann::json& action) const {
  const auto found = handlers_.find(kind);
  if (found == handlers_.end()) return std::unexpected("no handler for \"" + std::string(kind) + "\"");
  return found->second(action);
}

}  // namespace orvo::actions
