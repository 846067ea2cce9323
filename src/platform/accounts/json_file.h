#pragma once

#include <nlohmann/json.hpp>

#include <expected>
#include <filesystem>
#include <optional>
#include <string>

namespace orvo::accounts {

// A JSON document on disk: none when the file does not exist, an error when it
// exists but cannot be read or parsed.
std::expected<std::optional<nlohmann::ordered_json>, std::string> read_json_file(const std::filesystem::path& path);

// Creates the folder when needed and replaces the file atomically.
std::expected<void, std::string> write_json_file(const std::filesystem::path& path, const nlohmann::ordered_json& json,
                                                 std::filesystem::perms mode);

}  // namespace orvo::accounts
