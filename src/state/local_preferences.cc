#include "state/local_preferences.h"

#include <nlohmann/json.hpp>

#include "platform/storage/atomic_file.h"

namespace mail::state {

ComposeFormat load_compose_format(const std::optional<std::filesystem::path>& folder) {
  if (!folder) return ComposeFormat::PlainText;
  const auto text = orvo::atomic_file::read(*folder / preferences_file_name);
  if (!text) return ComposeFormat::PlainText;
  const auto json = nlohmann::json::parse(*text, nullptr, false);
  if (!json.is_object()) return ComposeFormat::PlainText;
  const auto format = json.find("compose_format");
  const bool html = format != json.end() && format->is_string() && format->get<std::string>() == "html";
  return html ? ComposeFormat::RichText : ComposeFormat::PlainText;
}

}  // namespace mail::state
