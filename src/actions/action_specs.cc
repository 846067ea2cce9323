#include "actions/action_specs.h"

#include "message/ascii.h"

namespace mail::actions {
namespace {

using orvo::actions::ActionArgs;
using orvo::actions::ActionError;
using orvo::actions::ActionParam;
using orvo::actions::ActionSpec;
using orvo::actions::EncodedAction;
using Json = nlohmann::ordered_json;

const Json& ids_schema() {
  static const Json schema{
      {"minItems", 1}, {"maxItems", 256}, {"items", {{"type", "string"}, {"minLength", 1}, {"maxLength", 128}}}};
  return schema;
}

// Arguments have been checked against the parameter's schema by now.
std::vector<std::string> ids_of(const ActionArgs& args) {
  std::vector<std::string> ids;
  for (const Json& id : args.array("ids").value_or(std::vector<Json>{})) ids.push_back(id.get<std::string>());
  return ids;
}

}  // namespace

ActionSpec operation_spec(std::string id, std::string label, MailOperation operation) {
  const orvo::actions::OperationType type = operation_type(operation);
  return ActionSpec(std::move(id), std::move(label),
                    [encoded = encode(operation)](const ActionArgs&) { return encoded; })
      .declares(type);
}

ActionSpec change_spec(std::string id, std::string label, MailAction change) {
  return ActionSpec(std::move(id), std::move(label), [encoded = encode(change)](const ActionArgs&) { return encoded; });
}

ActionSpec bulk_spec(std::string id, std::string label, std::string ids_description,
                     std::function<MailAction(std::vector<std::string>)> change) {
  return ActionSpec(std::move(id), std::move(label),
                    [change = std::move(change)](const ActionArgs& args) { return encode(change(ids_of(args))); })
      .with_param(ActionParam::list("ids").described(std::move(ids_description)).mandatory().with_schema(ids_schema()));
}

ActionSpec value_spec(std::string id, std::string label, std::string value_label, std::string placeholder,
                      std::function<MailAction(std::string)> change) {
  auto encoder = [change = std::move(change),
                  value_label](const ActionArgs& args) -> std::expected<EncodedAction, ActionError> {
    const std::string given = args.text("value").value_or("");
    const std::string_view value = message::trim_blanks(given);
    if (value.empty()) return std::unexpected(ActionError::invalid_arguments(value_label + " must not be empty"));
    return encode(change(std::string(value)));
  };
  return ActionSpec(std::move(id), std::move(label), std::move(encoder))
      .with_param(ActionParam::text("value").labelled(std::move(value_label), std::move(placeholder)).mandatory());
}

}  // namespace mail::actions
