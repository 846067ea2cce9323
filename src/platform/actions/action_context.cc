#include "platform/actions/action_context.h"

#include "platform/actions/humanize_identifier.h"

namespace orvo::actions {
namespace {

// An externally tagged variant is its name alone, or an object whose one member
// is named after it.
std::string variant_name(const nlohmann::ordered_json& payload) {
  if (payload.is_string()) return payload.get<std::string>();
  if (payload.is_object() && payload.size() == 1) return payload.begin().key();
  return {};
}

}  // namespace

ActionContext ActionContext::enriched_by(const EncodedAction& action) const {
  ActionContext enriched = *this;
  enriched.change_label = humanize_identifier(variant_name(action.payload));
  if (enriched.change_label.empty()) enriched.change_label = "Update";
  return enriched;
}

}  // namespace orvo::actions
