#include "engine/live/list_folders.h"

namespace mail::engine::live {

std::expected<std::vector<std::string>, std::string> list_folders(ImapSession& session) {
  auto listing = session.run(session.commands().list_all());
  if (!listing) return std::unexpected(listing.error());
  std::vector<std::string> names;
  for (imap::Response& response : *listing) {
    if (auto* mailbox = std::get_if<imap::ListedMailbox>(&response)) names.push_back(std::move(mailbox->name));
  }
  return names;
}

}  // namespace mail::engine::live
