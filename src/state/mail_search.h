#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "state/message_store.h"

namespace mail::state {

struct SearchLimits {
  std::size_t scan = 4096;    // messages examined at most
  std::size_t results = 200;  // matches kept at most
};

struct SearchResult {
  std::vector<MessageId> matches;  // newest first
  std::size_t examined = 0;
  bool truncated = false;
};

// Messages whose subject, sender name, sender address or text body contains the
// query, ignoring case. Without a folder every folder but Trash is searched; the
// most recently stored messages are examined first.
SearchResult search_messages(const MessageStore& store, std::string_view query, std::optional<FolderKind> folder,
                             SearchLimits limits = {});

}  // namespace mail::state
