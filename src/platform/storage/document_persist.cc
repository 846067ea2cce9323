#include "platform/storage/document_persist.h"

#include <system_error>

#include "platform/storage/document_journal.h"

namespace orvo::storage::persist {

std::expected<Document, std::string> open(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return std::unexpected("could not create the folder " + folder.string() + ": " + error.message());
  auto journal = DocumentJournal::open(folder / document_file_name);
  if (!journal) return std::unexpected(journal.error());
  return Document::restore(std::move(*journal));
}

}  // namespace orvo::storage::persist
