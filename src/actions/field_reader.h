#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mail::actions {

// Reads the named fields of one variant. Each getter returns the field, or a blank
// value after noting the first problem, so that a variant reads in one expression
// and is refused afterwards when `error()` is set.
class FieldReader {
 public:
  // `fields` is null for a variant written as its bare name.
  FieldReader(std::string_view variant, const nlohmann::ordered_json* fields);

  std::string text(std::string_view name);
  bool boolean(std::string_view name);
  std::vector<std::string> texts(std::string_view name);
  std::uint64_t count(std::string_view name);
  // The fields object itself, for a variant that wraps one value.
  const nlohmann::ordered_json& whole();

  [[nodiscard]] const std::optional<std::string>& error() const { return error_; }
  void fail(std::string message);

 private:
  const nlohmann::ordered_json* member(std::string_view name, bool (*has_kind)(const nlohmann::ordered_json&),
                                       std::string_view kind);

  std::string variant_;
  const nlohmann::ordered_json* fields_;
  std::optional<std::string> error_;
};

}  // namespace mail::actions
