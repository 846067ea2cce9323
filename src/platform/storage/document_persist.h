#pragma once

#include <expected>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/storage/document.h"

namespace orvo::storage::persist {

inline constexpr std::string_view document_file_name = "mail-document.sqlite";

// The document saved in `folder`, which is created with its missing ancestors; a
// folder without one gives an empty document that is saved there from its first commit.
std::expected<Document, std::string> open(const std::filesystem::path& folder);

}  // namespace orvo::storage::persist
