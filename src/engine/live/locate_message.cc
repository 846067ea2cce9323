#include "engine/live/locate_message.h"

#include <algorithm>

namespace mail::engine::live {

std::expected<std::uint32_t, std::string> locate_message(ImapSession& session, const message::MessageRecord& record) {
  if (!record.message_id || record.message_id->empty()) {
    return std::unexpected("message has no Message-ID to locate it on the server");
  }
  // Sent as written, quotes and backslashes escaped: the server matches a substring of
  // the header, so dropping a character could miss the message or match another.
  const auto search = session.run(session.commands().uid_search_message_id(*record.message_id));
  if (!search) return std::unexpected(search.error());
  std::uint32_t newest = 0;
  for (const imap::Response& response : *search) {
    if (const auto* found = std::get_if<imap::SearchResult>(&response); found != nullptr && !found->numbers.empty()) {
      newest = std::max(newest, std::ranges::max(found->numbers));
    }
  }
  if (newest == 0) return std::unexpected("message not found on the server");
  return newest;
}

}  // namespace mail::engine::live
