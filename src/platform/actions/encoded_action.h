#pragma once

#include <cstdint>
#include <expected>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "platform/actions/action_error.h"

namespace orvo::actions {

// What an operation does to the application: takes the user somewhere (opening,
// composing, revealing) or has an effect beyond the view (refreshing, saving a file).
enum class OperationType : std::uint8_t { View, Effect };

std::string_view operation_type_name(OperationType type);

// An action in the form it travels in: a kind naming the handler that reads it, the
// payload that handler decodes, and for operations the type they declare.
struct EncodedAction {
  std::string kind;
  nlohmann::ordered_json payload;
  std::optional<OperationType> operation_type;

  friend bool operator==(const EncodedAction&, const EncodedAction&) = default;
};

// Admits the action only when it declares exactly the type its action spec does, so
// that a spec published as navigation cannot carry an effect (or a document change).
std::expected<EncodedAction, ActionError> enforce_operation_type(EncodedAction action,
                                                                 std::optional<OperationType> declared);

}  // namespace orvo::actions
