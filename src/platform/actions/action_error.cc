#include "platform/actions/action_error.h"

namespace orvo::actions {

ActionError ActionError::invalid_arguments(std::string message) {
  return {"orvo.invalid_arguments", std::move(message)};
}

ActionError ActionError::not_found(std::string message) { return {"orvo.not_found", std::move(message)}; }

ActionError ActionError::failed(std::string message) { return {"orvo.failed", std::move(message)}; }

}  // namespace orvo::actions
