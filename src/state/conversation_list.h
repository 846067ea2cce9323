#pragma once

#include <cstddef>
#include <vector>

#include "state/message_store.h"

namespace mail::state {

// One row of the message list: the message it shows and how many messages the
// row stands for (1 for search results).
struct ListItem {
  MessageId representative;
  std::size_t count = 1;
  friend bool operator==(const ListItem&, const ListItem&) = default;
};

// The folder's messages grouped into conversations, newest conversation first. A
// conversation's representative is its oldest message.
std::vector<ListItem> conversation_list(const MessageStore& store, FolderKind folder);

// A Message-ID or thread reference without surrounding blanks and one pair of angle brackets.
std::string_view trimmed_message_id(std::string_view id);

}  // namespace mail::state
