#include "platform/actions/json_schema.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

namespace orvo::actions {
namespace {

using Json = nlohmann::ordered_json;
// The first violation found, or none.
using Violation = std::optional<std::string>;

std::string counted(std::size_t count, std::string_view noun) {
  return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

std::size_t utf8_characters(const std::string& text) {
  return static_cast<std::size_t>(
      std::ranges::count_if(text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool has_type(const Json& value, std::string_view type) {
  if (type == "string") return value.is_string();
  if (type == "array") return value.is_array();
  if (type == "object") return value.is_object();
  if (type == "boolean") return value.is_boolean();
  if (type == "number") return value.is_number();
  if (type == "null") return value.is_null();
  if (type == "integer") {
    if (value.is_number_integer()) return true;
    const double number = value.is_number_float() ? value.get<double>() : 0.5;
    return std::isfinite(number) && std::trunc(number) == number;
  }
  return false;
}

std::string broken_keyword(const std::string& path, std::string_view keyword) {
  return "the schema of " + path + " has an unreadable \"" + std::string(keyword) + "\"";
}

Violation check_type(const Json& value, const Json& schema, const std::string& path) {
  const auto type = schema.find("type");
  if (type == schema.end()) return std::nullopt;
  const Json names = type->is_array() ? *type : Json::array({*type});
  std::string expected;
  for (const Json& name : names) {
    if (!name.is_string()) return broken_keyword(path, "type");
    if (has_type(value, name.get_ref<const std::string&>())) return std::nullopt;
    expected += (expected.empty() ? "" : " or ") + name.get<std::string>();
  }
  return path + " must be of type " + expected;
}

Violation check_enum(const Json& value, const Json& schema, const std::string& path) {
  const auto allowed = schema.find("enum");
  if (allowed == schema.end()) return std::nullopt;
  if (!allowed->is_array()) return broken_keyword(path, "enum");
  if (std::ranges::find(*allowed, value) != allowed->end()) return std::nullopt;
  return path + " must be one of " + allowed->dump();
}

// A count keyword: absent, or a non-negative integer.
std::expected<std::optional<std::size_t>, std::string> read_count(const Json& schema, std::string_view keyword,
                                                                  const std::string& path) {
  const auto found = schema.find(keyword);
  if (found == schema.end()) return std::nullopt;
  // A schema built in code holds signed numbers, one parsed from text unsigned ones.
  const bool count = found->is_number_unsigned() || (found->is_number_integer() && found->get<std::int64_t>() >= 0);
  if (!count) return std::unexpected(broken_keyword(path, keyword));
  return found->get<std::size_t>();
}

// Checks `actual` against the "min…" and "max…" keywords of one kind.
Violation check_bounds(std::size_t actual, const Json& schema, const std::string& path, std::string_view min_keyword,
                       std::string_view max_keyword, std::string_view what, std::string_view noun) {
  const auto minimum = read_count(schema, min_keyword, path);
  if (!minimum) return minimum.error();
  if (*minimum && actual < **minimum) {
    return path + " must " + std::string(what) + " at least " + counted(**minimum, noun);
  }
  const auto maximum = read_count(schema, max_keyword, path);
  if (!maximum) return maximum.error();
  if (*maximum && actual > **maximum) {
    return path + " must " + std::string(what) + " at most " + counted(**maximum, noun);
  }
  return std::nullopt;
}

Violation check_value(const Json& value, const Json& schema, const std::string& path);

Violation check_items(const Json& value, const Json& schema, const std::string& path) {
  if (const auto bounds = check_bounds(value.size(), schema, path, "minItems", "maxItems", "have", "item")) {
    return bounds;
  }
  const auto items = schema.find("items");
  if (items == schema.end()) return std::nullopt;
  for (std::size_t index = 0; index < value.size(); ++index) {
    if (auto violation = check_value(value[index], *items, path + "[" + std::to_string(index) + "]")) {
      return violation;
    }
  }
  return std::nullopt;
}

Violation check_required(const Json& value, const Json& schema, const std::string& path) {
  const auto required = schema.find("required");
  if (required == schema.end()) return std::nullopt;
  if (!required->is_array()) return broken_keyword(path, "required");
  for (const Json& name : *required) {
    if (!name.is_string()) return broken_keyword(path, "required");
    if (!value.contains(name.get_ref<const std::string&>())) {
      return path + " is missing the member \"" + name.get<std::string>() + "\"";
    }
  }
  return std::nullopt;
}

Violation check_members(const Json& value, const Json& schema, const std::string& path) {
  static const Json no_properties = Json::object();
  const auto properties = schema.find("properties");
  const Json& described = properties == schema.end() ? no_properties : *properties;
  if (!described.is_object()) return broken_keyword(path, "properties");
  const auto additional = schema.find("additionalProperties");
  const bool closed = additional != schema.end() && *additional == false;
  for (const auto& [name, member] : value.items()) {
    const auto member_schema = described.find(name);
    if (member_schema == described.end()) {
      if (closed) return path + " has an unexpected member \"" + name + "\"";
      continue;
    }
    if (auto violation = check_value(member, *member_schema, path + "." + name)) return violation;
  }
  return std::nullopt;
}

Violation check_value(const Json& value, const Json& schema, const std::string& path) {
  if (!schema.is_object()) return broken_keyword(path, "schema");
  if (auto violation = check_type(value, schema, path)) return violation;
  if (auto violation = check_enum(value, schema, path)) return violation;
  if (value.is_string()) {
    return check_bounds(utf8_characters(value.get_ref<const std::string&>()), schema, path, "minLength", "maxLength",
                        "be", "character");
  }
  if (value.is_array()) return check_items(value, schema, path);
  if (value.is_object()) {
    if (auto violation = check_required(value, schema, path)) return violation;
    return check_members(value, schema, path);
  }
  return std::nullopt;
}

}  // namespace

std::expected<void, std::string> check_schema(const Json& value, const Json& schema, const std::string& path) {
  if (auto violation = check_value(value, schema, path)) return std::unexpected(std::move(*violation));
  return {};
}

}  // namespace orvo::actions
