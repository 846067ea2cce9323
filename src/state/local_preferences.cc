#include "state/local_preferences.h"

#include <nlohmann/json.hpp>

#include <system_error>

#include "platform/json/strict_json.h"
#include "platform/storage/atomic_file.h"

namespace mail::state {
namespace {

constexpr std::string_view format_key = "compose_format";

std::expected<void, std::string> write_preferences(const std::filesystem::path& folder, ComposeFormat format) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return std::unexpected("could not create " + folder.string() + ": " + error.message());
  const nlohmann::ordered_json preferences{{format_key, format == ComposeFormat::RichText ? "html" : "text"}};
  return orvo::atomic_file::write(folder / preferences_file_name, preferences.dump());
}

}  // namespace

ComposeFormat load_compose_format(const std::optional<std::filesystem::path>& folder) {
  if (!folder) return ComposeFormat::PlainText;
  const auto text = orvo::atomic_file::read(*folder / preferences_file_name);
  if (!text) return ComposeFormat::PlainText;
  const auto json = orvo::json::parse_strict(*text);
  if (!json || !json->is_object()) return ComposeFormat::PlainText;
  const auto format = json->find(format_key);
  const bool html = format != json->end() && format->is_string() && format->get<std::string>() == "html";
  return html ? ComposeFormat::RichText : ComposeFormat::PlainText;
}

std::expected<void, std::string> save_compose_format(const std::optional<std::filesystem::path>& folder,
                                                     ComposeFormat format) {
  if (!folder) return {};
  if (auto written = write_preferences(*folder, format); !written) {
    return std::unexpected("Compose format changed, but could not save that preference: " + written.error());
  }
  return {};
}

}  // namespace mail::state
