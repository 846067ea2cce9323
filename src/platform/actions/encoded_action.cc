#include "platform/actions/encoded_action.h"

namespace orvo::actions {
namespace {

std::string type_phrase(std::optional<OperationType> type) {
  if (!type) return "no operation";
  const char* article = *type == OperationType::Effect ? "an " : "a ";
  return article + std::string(operation_type_name(*type)) + " operation";
}

}  // namespace

std::string_view operation_type_name(OperationType type) {
  switch (type) {
    case OperationType::View: return "view";
    case OperationType::Effect: return "effect";
  }
  return "effect";
}

std::expected<EncodedAction, ActionError> enforce_operation_type(EncodedAction action,
                                                                 std::optional<OperationType> declared) {
  if (action.operation_type == declared) return action;
  return std::unexpected(ActionError{
      "orvo.operation_type_mismatch",
      "the action declares " + type_phrase(declared) + " but encoded " + type_phrase(action.operation_type)});
}

}  // namespace orvo::actions
