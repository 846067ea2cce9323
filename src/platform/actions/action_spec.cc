#include "platform/actions/action_spec.h"

#include <algorithm>

namespace orvo::actions {

bool ActionContract::has_tag(std::string_view tag) const { return std::ranges::find(tags, tag) != tags.end(); }

ActionSpec::ActionSpec(std::string id, std::string label, ActionEncoder encoder)
    : id_(std::move(id)), label_(std::move(label)), encoder_(std::move(encoder)) {}

ActionSpec ActionSpec::described(std::string description) && {
  description_ = std::move(description);
  return std::move(*this);
}

ActionSpec ActionSpec::with_param(ActionParam param) && {
  params_.push_back(std::move(param));
  return std::move(*this);
}

ActionSpec ActionSpec::declares(OperationType type) && {
  operation_type_ = type;
  return std::move(*this);
}

ActionSpec ActionSpec::destructive() && {
  destructive_ = true;
  return std::move(*this);
}

ActionSpec ActionSpec::with_contract(ActionContract contract) && {
  contract_ = std::move(contract);
  return std::move(*this);
}

ActionSpec ActionSpec::unavailable(Unavailable reason) && {
  unavailable_ = std::move(reason);
  return std::move(*this);
}

}  // namespace orvo::actions
