#pragma once

#include <expected>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mail::state {

enum class ComposeFormat : unsigned char { PlainText, RichText };

inline constexpr std::string_view preferences_file_name = "mail-local.json";

// The compose format kept in "mail-local.json" under `folder`: rich text only when
// the file reads and its "compose_format" is exactly "html".
ComposeFormat load_compose_format(const std::optional<std::filesystem::path>& folder);

// Writes `format` to "mail-local.json" under `folder`, creating the folder first.
// Without a folder there is nothing to write and that is success. The error is the
// whole status line; the caller remembers `format` as saved only on success, so
// that the next change of the composer tries again.
std::expected<void, std::string> save_compose_format(const std::optional<std::filesystem::path>& folder,
                                                     ComposeFormat format);

}  // namespace mail::state
