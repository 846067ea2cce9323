#include "platform/accounts/json_file.h"

#include "platform/json/strict_json.h"
#include "platform/storage/atomic_file.h"

namespace orvo::accounts {

std::expected<std::optional<nlohmann::ordered_json>, std::string> read_json_file(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    if (error) return std::unexpected("could not look at " + path.string() + ": " + error.message());
    return std::nullopt;
  }
  auto text = atomic_file::read(path);
  if (!text) return std::unexpected(text.error());
  auto json = json::parse_strict(*text);
  if (!json) return std::unexpected(path.string() + ": " + json.error());
  if (!json->is_object()) return std::unexpected(path.string() + " is not a JSON object");
  return std::move(*json);
}

std::expected<void, std::string> write_json_file(const std::filesystem::path& path, const nlohmann::ordered_json& json,
                                                 std::filesystem::perms mode) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  if (error) return std::unexpected("could not create " + path.parent_path().string() + ": " + error.message());
  return atomic_file::write(path, json.dump(), mode);
}

}  // namespace orvo::accounts
