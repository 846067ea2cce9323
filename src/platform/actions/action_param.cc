#include "platform/actions/action_param.h"

#include "platform/actions/json_schema.h"

namespace orvo::actions {

ActionParam ActionParam::text(std::string name) { return {.name = std::move(name), .kind = ParamKind::Text}; }

ActionParam ActionParam::list(std::string name) { return {.name = std::move(name), .kind = ParamKind::List}; }

ActionParam ActionParam::labelled(std::string text, std::string hint) && {
  label = std::move(text);
  placeholder = std::move(hint);
  return std::move(*this);
}

ActionParam ActionParam::described(std::string text) && {
  description = std::move(text);
  return std::move(*this);
}

ActionParam ActionParam::mandatory() && {
  required = true;
  return std::move(*this);
}

ActionParam ActionParam::with_schema(nlohmann::ordered_json value) && {
  schema = std::move(value);
  return std::move(*this);
}

std::expected<void, ActionError> ActionParam::check(const ActionArgs& args) const {
  const nlohmann::ordered_json* value = args.find(name);
  if (value == nullptr) {
    if (required) return std::unexpected(ActionError::invalid_arguments(name + " is required"));
    return {};
  }
  const bool kind_matches = kind == ParamKind::Text ? value->is_string() : value->is_array();
  if (!kind_matches) {
    return std::unexpected(
        ActionError::invalid_arguments(name + (kind == ParamKind::Text ? " must be text" : " must be a list")));
  }
  if (auto checked = check_schema(*value, schema, name); !checked) {
    return std::unexpected(ActionError::invalid_arguments(checked.error()));
  }
  return {};
}

}  // namespace orvo::actions
