#pragma once

#include <nlohmann/json.hpp>

#include <expected>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace orvo::actions {

// Named, typed actions that other programs can invoke: one handler per kind.
class ActionRegistry {
 public:
  using Handler = std::function<std::expected<nlohmann::json, std::string>(const nlohmann::json& action)>;

  // A kind can be registered once; a second registration is refused.
  std::expected<void, std::string> register_handler(std::string kind, Handler handler);
  [[nodiscard]] std::vector<std::string> kinds() const;
  std::expected<nlohmann::json, std::string> dispatch(std::string_view kind, const nlohmann::json& action) const;

 private:
  std::map<std::string, Handler, std::less<>> handlers_;
};

}  // namespace orvo::actions
