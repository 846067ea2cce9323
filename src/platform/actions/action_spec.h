#pragma once

#include <expected>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/actions/action_args.h"
#include "platform/actions/action_error.h"
#include "platform/actions/action_param.h"
#include "platform/actions/encoded_action.h"

namespace orvo::actions {

// What an action needs and touches, for the shell to decide how to offer it: the type
// of resource it acts on or produces, and tags such as "network" or "file-save".
struct ActionContract {
  std::string target_type;
  std::vector<std::string> tags;

  [[nodiscard]] bool has_tag(std::string_view tag) const;
};

// Why an action cannot run right now: a code for programs and a sentence for people.
struct Unavailable {
  std::string reason_code;
  std::string message;
  friend bool operator==(const Unavailable&, const Unavailable&) = default;
};

// Turns admitted arguments into the action they stand for.
using ActionEncoder = std::function<std::expected<EncodedAction, ActionError>(const ActionArgs&)>;

// One action a resource offers. Built as a chain: ActionSpec(id, label, encoder)
// .declares(OperationType::View).destructive() …
class ActionSpec {
 public:
  ActionSpec(std::string id, std::string label, ActionEncoder encoder);

  ActionSpec described(std::string description) &&;
  ActionSpec with_param(ActionParam param) &&;
  ActionSpec declares(OperationType type) &&;
  ActionSpec destructive() &&;
  ActionSpec with_contract(ActionContract contract) &&;
  ActionSpec unavailable(Unavailable reason) &&;

  [[nodiscard]] const std::string& id() const { return id_; }
  [[nodiscard]] const std::string& label() const { return label_; }
  [[nodiscard]] const std::string& description() const { return description_; }
  [[nodiscard]] const std::vector<ActionParam>& params() const { return params_; }
  [[nodiscard]] std::optional<OperationType> operation_type() const { return operation_type_; }
  [[nodiscard]] bool is_destructive() const { return destructive_; }
  [[nodiscard]] const std::optional<ActionContract>& contract() const { return contract_; }
  [[nodiscard]] const std::optional<Unavailable>& unavailability() const { return unavailable_; }

  // Runs the encoder alone; `derive_input` is the admitted way in.
  [[nodiscard]] std::expected<EncodedAction, ActionError> encode(const ActionArgs& args) const {
    return encoder_(args);
  }

 private:
  std::string id_;
  std::string label_;
  ActionEncoder encoder_;
  std::string description_;
  std::vector<ActionParam> params_;
  std::optional<OperationType> operation_type_;
  bool destructive_ = false;
  std::optional<ActionContract> contract_;
  std::optional<Unavailable> unavailable_;
};

}  // namespace orvo::actions
