#pragma once

#include <cstdint>
#include <expected>
#include <nlohmann/json.hpp>
#include <string>

#include "platform/actions/action_args.h"
#include "platform/actions/action_error.h"

namespace orvo::actions {

enum class ParamKind : std::uint8_t { Text, List };

// One named argument an action takes, with what a form needs to ask for it and the
// JSON Schema its value must meet.
struct ActionParam {
  std::string name;
  ParamKind kind = ParamKind::Text;
  bool required = false;
  std::string label;
  std::string placeholder;
  std::string description;
  nlohmann::ordered_json schema = nlohmann::ordered_json::object();

  static ActionParam text(std::string name);
  static ActionParam list(std::string name);

  ActionParam labelled(std::string label, std::string placeholder) &&;
  ActionParam described(std::string description) &&;
  ActionParam mandatory() &&;
  ActionParam with_schema(nlohmann::ordered_json schema) &&;

  // A missing argument passes unless the parameter is mandatory; a present one must
  // be of the parameter's kind and meet its schema.
  [[nodiscard]] std::expected<void, ActionError> check(const ActionArgs &args) const;
};

}  // namespace orvo::actions
