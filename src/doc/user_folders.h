#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/storage/document.h"

namespace mail::doc {

// A folder the user made, under an id of its own.
struct UserFolder {
  std::string id;
  std::string name;
  friend bool operator==(const UserFolder&, const UserFolder&) = default;
};

// An empty id names no folder.
void create_folder(orvo::storage::Document& document, std::string_view id, std::string_view name);
// Renames only a folder that exists, so a late rename cannot bring a deleted one back.
void rename_folder(orvo::storage::Document& document, std::string_view id, std::string_view name);
void delete_folder(orvo::storage::Document& document, std::string_view id);
// Sorted by id, byte by byte.
[[nodiscard]] std::vector<UserFolder> list_folders(const orvo::storage::Document& document);

}  // namespace mail::doc
