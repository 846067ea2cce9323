#include "doc/user_folders.h"

#include "doc/document_layout.h"

namespace mail::doc {

using orvo::storage::Document;

void create_folder(Document& document, std::string_view id, std::string_view name) {
  if (!id.empty()) document.put(folder_path(id), std::string(name));
}

void rename_folder(Document& document, std::string_view id, std::string_view name) {
  DocumentPath path = folder_path(id);
  if (document.find(path) != nullptr) document.put(std::move(path), std::string(name));
}

void delete_folder(Document& document, std::string_view id) { document.remove(folder_path(id)); }

// The document lists a map's entries in byte order of their keys already.
std::vector<UserFolder> list_folders(const Document& document) {
  std::vector<UserFolder> folders;
  for (const auto& [id, value] : document.entries(folders_path())) {
    if (const auto* name = std::get_if<std::string>(value)) folders.push_back({std::string(id), *name});
  }
  return folders;
}

}  // namespace mail::doc
