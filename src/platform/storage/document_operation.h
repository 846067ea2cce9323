#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace orvo::storage {

// The keys leading from the root map to one value.
using DocumentPath = std::vector<std::string>;

// A map value. It holds no entries itself: a map's entries are the values whose
// paths continue its own, so that any value can be reached by one look-up.
struct DocumentMap {
  friend bool operator==(DocumentMap, DocumentMap) = default;
};

using TextList = std::vector<std::string>;
using DocumentValue = std::variant<DocumentMap, bool, std::string, TextList>;

// One change to a document. Sequence numbers count up from 1 without gaps, so a
// number names the state the document had after that change.
struct DocumentOperation {
  std::uint64_t sequence = 0;
  DocumentPath path;
  std::optional<DocumentValue> value;  // none removes whatever the path holds
  friend bool operator==(const DocumentOperation&, const DocumentOperation&) = default;
};

// A whole document, value by value in path order: a map comes right before its entries.
using DocumentEntries = std::map<DocumentPath, DocumentValue>;

}  // namespace orvo::storage
