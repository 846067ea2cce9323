#include "state/search_catalog.h"

#include <algorithm>
#include <string_view>

#include "message/ascii.h"
#include "platform/actions/action_address.h"

namespace mail::state {
namespace {

using orvo::search::PageCounts;
using orvo::search::SearchEntry;

// Bounds what one query hands over, whatever the desktop asks for.
constexpr std::size_t max_query_count = 256;

// Names in the installed icon set, matching the sidebar's folder icons.
std::string_view folder_icon_name(FolderKind folder) {
  switch (folder) {
    case FolderKind::Inbox: return "inbox";
    case FolderKind::Starred: return "star";
    case FolderKind::Sent: return "send";
    case FolderKind::Drafts: return "drafts";
    case FolderKind::Archive: return "archive";
    case FolderKind::Trash: return "delete";
    case FolderKind::Junk: return "report";
  }
  return "inbox";
}

// A hit opens the resource under which the folder or message publishes its actions.
std::string address_of(std::string resource) {
  return orvo::actions::ActionAddress{.resource = std::move(resource)}.encode();
}

SearchEntry folder_entry(FolderKind folder) {
  return {.hit = {.address = address_of("mail.folder:" + std::string(message::identifier(folder))),
                  .title = std::string(message::display_name(folder)),
                  .kind_label = "Mail folder",
                  .group = "Mail folders",
                  .icon = std::string(folder_icon_name(folder))}};
}

const std::string& sender_name(const message::Contact& sender) {
  return sender.name && !sender.name->empty() ? *sender.name : sender.address;
}

std::string searchable_text(const MessageRecord& message) {
  std::string labels;
  for (const std::string& label : message.labels) labels += (labels.empty() ? "" : " ") + label;
  return message.subject + '\n' + sender_name(message.from) + '\n' + message.from.address + '\n' + message.body +
         '\n' + labels;
}

SearchEntry message_entry(const MessageRecord& message) {
  const bool blank_subject = message::trim_blanks(message.subject).empty();
  return {.hit = {.address = address_of("mail.message:" + message.id.to_string()),
                  .title = blank_subject ? "(no subject)" : message.subject,
                  .kind_label = "Mail",
                  .subtitle = sender_name(message.from),
                  .icon = "mail"},
          .searchable_text = searchable_text(message)};
}

orvo::search::SearchPage query_catalog(const orvo::search::SearchCatalog& catalog, std::string_view text,
                                       const orvo::search::SearchCursor& cursor, PageCounts counts) {
  const std::string_view trimmed = message::trim_blanks(text);
  if (trimmed.empty()) return {};
  return catalog.query_page(trimmed, cursor,
                            {.page_size = std::min(counts.page_size, max_query_count),
                             .max_results = std::min(counts.max_results, max_query_count)});
}

}  // namespace

std::vector<SearchEntry> search_catalog_entries(const MessageStore& store) {
  std::vector<SearchEntry> entries;
  entries.reserve(message::folder_display_order.size() + store.size());
  for (const FolderKind folder : message::folder_display_order) entries.push_back(folder_entry(folder));
  for (const MessageId& id : store.order()) {
    const MessageRecord* message = store.find(id);
    if (message != nullptr && message->folder != FolderKind::Trash) entries.push_back(message_entry(*message));
  }
  return entries;
}

MailSearchCatalog::MailSearchCatalog() : catalog_(std::make_shared<orvo::search::SearchCatalog>("Mail")) {}

void MailSearchCatalog::refresh(MailState& state) {
  const std::uint64_t revision = state.store.revision();
  if (attempted_revision_ == revision) return;
  attempted_revision_ = revision;
  auto replaced = catalog_->replace(search_catalog_entries(state.store));
  if (replaced) {
    failure_.reset();
    return;
  }
  failure_ = std::move(replaced.error());
  state.set_status("Mail search could not replace its catalogue: " + *failure_);
}

orvo::search::SearchProvider MailSearchCatalog::provider() const {
  return {.name = catalog_->name(),
          .query = [catalog = catalog_](std::string_view text, const orvo::search::SearchCursor& cursor,
                                        PageCounts counts) { return query_catalog(*catalog, text, cursor, counts); }};
}

}  // namespace mail::state
