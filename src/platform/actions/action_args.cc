#include "platform/actions/action_args.h"

#include "platform/json/strict_json.h"

namespace orvo::actions {

std::expected<ActionArgs, std::string> ActionArgs::from_json(nlohmann::ordered_json values) {
  if (!values.is_object()) return std::unexpected("action arguments must be a JSON object");
  return ActionArgs(std::move(values));
}

std::expected<ActionArgs, std::string> ActionArgs::parse(std::string_view text) {
  auto values = json::parse_strict(text);
  if (!values) return std::unexpected("action arguments are not valid JSON: " + values.error());
  return from_json(std::move(*values));
}

const nlohmann::ordered_json* ActionArgs::find(std::string_view name) const {
  const auto found = values_.find(name);
  return found == values_.end() ? nullptr : &*found;
}

std::optional<std::string> ActionArgs::text(std::string_view name) const {
  const auto* value = find(name);
  if (value == nullptr || !value->is_string()) return std::nullopt;
  return value->get<std::string>();
}

std::optional<std::vector<nlohmann::ordered_json>> ActionArgs::array(std::string_view name) const {
  const auto* value = find(name);
  if (value == nullptr || !value->is_array()) return std::nullopt;
  return value->get<std::vector<nlohmann::ordered_json>>();
}

}  // namespace orvo::actions
