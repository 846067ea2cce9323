#include "actions/field_reader.h"

#include <algorithm>

namespace mail::actions {
namespace {

using Json = nlohmann::ordered_json;

bool is_text(const Json& value) { return value.is_string(); }
bool is_boolean(const Json& value) { return value.is_boolean(); }
bool is_unsigned(const Json& value) { return value.is_number_unsigned(); }
bool is_text_list(const Json& value) { return value.is_array() && std::ranges::all_of(value, is_text); }

}  // namespace

FieldReader::FieldReader(std::string_view variant, const Json* fields) : variant_(variant), fields_(fields) {}

void FieldReader::fail(std::string message) {
  if (!error_) error_ = variant_ + ": " + std::move(message);
}

const Json* FieldReader::member(std::string_view name, bool (*has_kind)(const Json&), std::string_view kind) {
  if (fields_ == nullptr || !fields_->is_object()) {
    fail("needs an object of fields");
    return nullptr;
  }
  const auto found = fields_->find(name);
  if (found == fields_->end()) {
    fail("missing field \"" + std::string(name) + "\"");
    return nullptr;
  }
  if (!has_kind(*found)) {
    fail("field \"" + std::string(name) + "\" must be " + std::string(kind));
    return nullptr;
  }
  return &*found;
}

std::string FieldReader::text(std::string_view name) {
  const Json* value = member(name, is_text, "text");
  return value ? value->get<std::string>() : std::string();
}

bool FieldReader::boolean(std::string_view name) {
  const Json* value = member(name, is_boolean, "a boolean");
  return value ? value->get<bool>() : false;
}

std::vector<std::string> FieldReader::texts(std::string_view name) {
  const Json* value = member(name, is_text_list, "a list of text");
  return value ? value->get<std::vector<std::string>>() : std::vector<std::string>();
}

std::uint64_t FieldReader::count(std::string_view name) {
  const Json* value = member(name, is_unsigned, "a whole number");
  return value ? value->get<std::uint64_t>() : 0;
}

const Json& FieldReader::whole() {
  static const Json none;
  if (fields_ == nullptr) fail("needs a value");
  return fields_ ? *fields_ : none;
}

}  // namespace mail::actions
