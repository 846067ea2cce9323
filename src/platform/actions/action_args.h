#pragma once

#include <expected>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvo::actions {

// The arguments of one invocation: a JSON object keyed by parameter name.
class ActionArgs {
 public:
  ActionArgs() = default;

  // Only an object holds arguments.
  static std::expected<ActionArgs, std::string> from_json(nlohmann::ordered_json values);
  static std::expected<ActionArgs, std::string> parse(std::string_view text);

  // The argument, or none when it is missing or of another kind.
  [[nodiscard]] std::optional<std::string> text(std::string_view name) const;
  [[nodiscard]] std::optional<std::vector<nlohmann::ordered_json>> array(std::string_view name) const;

  [[nodiscard]] const nlohmann::ordered_json* find(std::string_view name) const;
  [[nodiscard]] const nlohmann::ordered_json& values() const { return values_; }

 private:
  explicit ActionArgs(nlohmann::ordered_json values) : values_(std::move(values)) {}

  nlohmann::ordered_json values_ = nlohmann::ordered_json::object();
};

}  // namespace orvo::actions
