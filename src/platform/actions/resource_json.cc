#include "platform/actions/resource_json.h"

namespace orvo::actions {
namespace {

using Json = nlohmann::ordered_json;

// Optional texts appear only when set, so the dump stays readable.
void put_text(Json& object, const char* key, const std::string& text) {
  if (!text.empty()) object[key] = text;
}

Json param_json(const ActionParam& param) {
  Json json{
      {"name", param.name}, {"kind", param.kind == ParamKind::Text ? "text" : "list"}, {"required", param.required}};
  put_text(json, "label", param.label);
  put_text(json, "placeholder", param.placeholder);
  put_text(json, "description", param.description);
  if (!param.schema.empty()) json["schema"] = param.schema;
  return json;
}

Json spec_json(const ActionSpec& spec) {
  Json json{{"id", spec.id()}, {"label", spec.label()}};
  put_text(json, "description", spec.description());
  if (spec.operation_type()) json["operation_type"] = operation_type_name(*spec.operation_type());
  json["destructive"] = spec.is_destructive();
  if (const auto& contract = spec.contract()) {
    json["contract"] = {{"target_type", contract->target_type}, {"tags", contract->tags}};
  }
  json["available"] = !spec.unavailability().has_value();
  if (const auto& reason = spec.unavailability()) {
    json["unavailable"] = {{"reason_code", reason->reason_code}, {"message", reason->message}};
  }
  json["params"] = Json::array();
  for (const ActionParam& param : spec.params()) json["params"].push_back(param_json(param));
  return json;
}

}  // namespace

Json to_json(const Resource& resource) {
  Json json{{"type", resource.type}, {"id", resource.id}, {"label", resource.label}, {"actions", Json::array()}};
  for (const ActionSpec& action : resource.actions) json["actions"].push_back(spec_json(action));
  json["children"] = Json::array();
  for (const Resource& child : resource.children) json["children"].push_back(to_json(child));
  return json;
}

}  // namespace orvo::actions
