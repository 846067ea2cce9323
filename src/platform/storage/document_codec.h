#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/storage/document_operation.h"

namespace orvo::storage {

// The saved forms of changes and of whole documents. Texts are kept as the bytes
// they are: a document does not require them to be UTF-8.

// The sequence number is not part of the form: the journal files it beside the bytes.
std::string encode_operation(const DocumentOperation& operation);
std::optional<DocumentOperation> decode_operation(std::uint64_t sequence, std::string_view bytes);

std::string encode_entries(const DocumentEntries& entries);
// None when the bytes are damaged, including when an entry's parent is missing or is
// no map: a document read back must be one that changes could have produced.
std::optional<DocumentEntries> decode_entries(std::string_view bytes);

}  // namespace orvo::storage
