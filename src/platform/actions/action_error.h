#pragma once

#include <string>

namespace orvo::actions {

// Why an action was refused or failed. `code` is for programs ("orvo.invalid_arguments",
// or an availability reason such as "account_offline"); `message` is the sentence a
// person is shown.
struct ActionError {
  std::string code;
  std::string message;

  static ActionError invalid_arguments(std::string message);
  static ActionError not_found(std::string message);
  static ActionError failed(std::string message);

  friend bool operator==(const ActionError&, const ActionError&) = default;
};

}  // namespace orvo::actions
