#include "engine/live/fetch_messages.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>

#include "engine/live/folder_view.h"
#include "message/message_date.h"
#include "message/parse_message.h"
#include "platform/log/log.h"

namespace mail::engine::live {
namespace {

constexpr std::size_t fetch_window = 50;

std::vector<std::uint32_t> found_uids(const std::vector<imap::Response>& responses) {
  std::vector<std::uint32_t> uids;
  for (const imap::Response& response : responses) {
    if (const auto* found = std::get_if<imap::SearchResult>(&response)) {
      uids.insert(uids.end(), found->numbers.begin(), found->numbers.end());
    }
  }
  return uids;
}

// The highest UIDs, highest first. The search may match any number of messages; only
// the window is fetched.
std::vector<std::uint32_t> newest_window(std::vector<std::uint32_t> uids) {
  const auto window_end = uids.begin() + static_cast<std::ptrdiff_t>(std::min(uids.size(), fetch_window));
  std::ranges::partial_sort(uids, window_end, std::greater{});
  uids.erase(window_end, uids.end());
  return uids;
}

bool has_flag(const imap::FetchedMessage& fetched, std::string_view flag) {
  return fetched.flags && std::ranges::find(*fetched.flags, flag) != fetched.flags->end();
}

std::optional<message::MessageRecord> record_of(const imap::FetchedMessage& fetched, message::FolderKind folder,
                                                message::Minutes sync_start) {
  const message::Delivery delivery{.folder = folder,
                                   .read = has_flag(fetched, "\\Seen"),
                                   .starred = has_flag(fetched, "\\Flagged"),
                                   .date = message::message_date(fetched.internal_date, *fetched.body, sync_start)};
  auto record = message::parse_message(*fetched.body, delivery);
  if (!record) {
    orvo::log::warn("mail::engine", "mail: skipping a fetched message that cannot be read",
                    {{"uid", std::to_string(fetched.uid.value_or(0))}, {"error", record.error()}});
    return std::nullopt;
  }
  return std::move(*record);
}

std::vector<message::MessageRecord> records_of(const std::vector<imap::Response>& responses, message::FolderKind folder,
                                               message::Minutes sync_start) {
  std::vector<message::MessageRecord> records;
  for (const imap::Response& response : responses) {
    // Untagged FETCHes without a body are flag changes the server reports unasked.
    const auto* fetched = std::get_if<imap::FetchedMessage>(&response);
    if (fetched == nullptr || !fetched->body) continue;
    if (auto record = record_of(*fetched, folder, sync_start)) records.push_back(std::move(*record));
  }
  return records;
}

}  // namespace

std::expected<std::vector<message::MessageRecord>, std::string> fetch_messages(ImapSession& session,
                                                                               message::FolderKind folder,
                                                                               message::Minutes sync_start) {
  const FolderView view = folder_view(folder);
  if (auto selected = session.run(session.commands().select(view.mailbox)); !selected) {
    return std::unexpected(selected.error());
  }
  const auto search = session.run(session.commands().uid_search(view.criterion));
  if (!search) return std::unexpected(search.error());
  const std::vector<std::uint32_t> window = newest_window(found_uids(*search));
  if (window.empty()) return std::vector<message::MessageRecord>{};
  const auto fetched = session.run(session.commands().uid_fetch_messages(window));
  if (!fetched) return std::unexpected(fetched.error());
  return records_of(*fetched, folder, sync_start);
}

}  // namespace mail::engine::live
