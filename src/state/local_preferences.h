#pragma once

#include <filesystem>
#include <optional>

namespace mail::state {

enum class ComposeFormat : unsigned char { PlainText, RichText };

inline constexpr std::string_view preferences_file_name = "mail-local.json";

// The compose format kept in "mail-local.json" under `folder`: rich text only when
// the file reads and its "compose_format" is exactly "html".
ComposeFormat load_compose_format(const std::optional<std::filesystem::path>& folder);

}  // namespace mail::state
