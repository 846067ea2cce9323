#pragma once

#include <expected>
#include <nlohmann/json.hpp>
#include <string>

namespace orvo::actions {

// Checks a value against the part of JSON Schema that action parameters use: "type"
// (one name or a list), "enum", "minLength"/"maxLength" (counted in characters, not
// bytes), "minItems"/"maxItems", "items", "properties", "required" and
// "additionalProperties": false. Other keywords are ignored, as JSON Schema does; a
// keyword this checker knows but cannot read refuses every value, so that a broken
// schema never lets input through. The error names the first violation and where it
// is, starting from `path` ("ids[2] must be at least 1 character long").
std::expected<void, std::string> check_schema(const nlohmann::ordered_json& value, const nlohmann::ordered_json& schema,
                                              const std::string& path);

}  // namespace orvo::actions
