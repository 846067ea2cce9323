#include "state/mail_search.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "message/ascii.h"

namespace mail::state {
namespace {

std::string lowered(std::string_view text) {
  std::string result(text);
  std::ranges::transform(result, result.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return result;
}

bool matches(const MessageRecord& message, const std::string& query) {
  const std::string& sender_name = message.from.name && !message.from.name->empty() ? *message.from.name
                                                                                    : message.from.address;
  for (const std::string* field : {&message.subject, &sender_name, &message.from.address, &message.body}) {
    if (lowered(*field).find(query) != std::string::npos) return true;
  }
  return false;
}

bool searched(const MessageRecord& message, std::optional<FolderKind> folder) {
  return folder ? message.folder == *folder : message.folder != FolderKind::Trash;
}

}  // namespace

SearchResult search_messages(const MessageStore& store, std::string_view query, std::optional<FolderKind> folder,
                             SearchLimits limits) {
  SearchResult result;
  const std::string needle = lowered(message::trim_blanks(query));
  if (needle.empty() || limits.scan == 0 || limits.results == 0) return result;

  std::vector<const MessageRecord*> found;
  for (auto id = store.order().rbegin(); id != store.order().rend(); ++id) {
    const MessageRecord* message = store.find(*id);
    if (message == nullptr || !searched(*message, folder)) continue;
    if (result.examined == limits.scan || found.size() == limits.results) {
      result.truncated = true;
      break;
    }
    ++result.examined;
    if (matches(*message, needle)) found.push_back(message);
  }
  std::ranges::stable_sort(found, std::ranges::greater(), &MessageRecord::date);
  for (const MessageRecord* message : found) result.matches.push_back(message->id);
  return result;
}

}  // namespace mail::state
