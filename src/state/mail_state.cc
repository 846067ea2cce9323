#include "state/mail_state.h"

#include <algorithm>

#include "engine/engine_request.h"
#include "state/mail_search.h"

namespace mail::state {

MailState::MailState(std::vector<AccountEntry> accounts_in, std::size_t current, std::shared_ptr<orvo::ui::ImageStore> image_store,
                     message::Minutes now)
    : images(std::move(image_store)), accounts(std::move(accounts_in)), current_account(current), clock(now) {}

bool MailState::select_for_reading(const MessageId& id) {
  const MessageRecord* record = store.find(id);
  if (record == nullptr) return false;
  selected = id;
  current_folder = record->folder;
  search_query.clear();
  changed = true;
  return true;
}

void MailState::open_message(const MessageId& id) {
  if (!select_for_reading(id)) return;
  preview = false;
  if (!store.find(id)->read) apply({.kind = LocalChange::Kind::SetRead, .ids = {id}, .value = true});
  queue(effect::ShowReader{});
}

void MailState::preview_message(const MessageId& id) {
  if (!select_for_reading(id)) return;
  preview = true;
  previewed = id;
  queue(effect::ShowReader{});
}

void MailState::toggle_bulk_selection(const MessageId& id) {
  if (store.find(id) == nullptr) return;
  bulk_mode = true;
  if (std::erase(bulk_selection, id) == 0) bulk_selection.push_back(id);
  changed = true;
}

const std::vector<ListItem>& MailState::visible_list() const {
  const bool fresh = list_cache_ && list_cache_->revision == store.revision() && list_cache_->query == search_query &&
                     list_cache_->folder == current_folder;
  if (fresh) return list_cache_->items;
  std::vector<ListItem> items;
  if (search_query.find_first_not_of(" \t\r\n") != std::string::npos) {
    for (const MessageId& id : search_messages(store, search_query, std::nullopt).matches) items.push_back({id, 1});
  } else {
    items = conversation_list(store, current_folder);
  }
  list_cache_ = ListCache{store.revision(), search_query, current_folder, std::move(items)};
  return list_cache_->items;
}

std::optional<engine::AccountConfig> MailState::current_account_config() const {
  if (current_account >= accounts.size()) return std::nullopt;
  return accounts[current_account].config;
}

void MailState::queue_refresh() {
  if (auto account = current_account_config()) {
    queue(effect::Request{engine::request::Sync{engine::RequestId::generate(), std::move(*account), current_folder}});
  }
}

void MailState::switch_folder(FolderKind folder) {
  current_folder = folder;
  search_query.clear();
  repair_selection();
  queue_refresh();
  changed = true;
}

void MailState::open_folder(FolderKind folder) {
  switch_folder(folder);
  queue(effect::ShowList{});
}

void MailState::repair_selection() {
  const std::vector<ListItem>& list = visible_list();
  selected = list.empty() ? std::nullopt : std::optional(list.front().representative);
  changed = true;
}

void MailState::move_selection(int rows) {
  const std::vector<ListItem>& list = visible_list();
  if (list.empty()) return;
  const auto current = std::ranges::find(list, selected, [](const ListItem& item) { return std::optional(item.representative); });
  const auto position = current == list.end() ? 0 : static_cast<long>(current - list.begin()) + rows;
  selected = list[static_cast<std::size_t>(std::clamp<long>(position, 0, static_cast<long>(list.size()) - 1))].representative;
  changed = true;
}

std::size_t MailState::apply(const LocalChange& change) {
  LocalChange applied = change;
  applied.ids.clear();
  for (const MessageId& id : change.ids) {
    const MessageRecord* record = store.find(id);
    if (record == nullptr) continue;
    const MessageRecord before = *record;
    if (!apply_to_store(change, id)) continue;
    applied.ids.push_back(id);
    queue_request(change, before);
  }
  const std::size_t changed_count = applied.ids.size();
  if (changed_count > 0) {
    unrecorded_changes.push_back(std::move(applied));
    changed = true;
  }
  return changed_count;
}

bool MailState::apply_to_store(const LocalChange& change, const MessageId& id) {
  switch (change.kind) {
    case LocalChange::Kind::SetRead: return store.set_read(id, change.value);
    case LocalChange::Kind::SetStarred:
      return store.find(id)->starred != change.value && store.toggle_starred(id);
    case LocalChange::Kind::Move: return store.move_to(id, change.destination);
    case LocalChange::Kind::Purge: return store.remove(id);
  }
  return false;
}

// Flag changes carry the record as it is now; moves and purges carry it as it was,
// so that the server copy is looked for where it still is.
void MailState::queue_request(const LocalChange& change, const MessageRecord& before) {
  auto account = current_account_config();
  if (!account) return;
  const auto id = engine::RequestId::generate();
  switch (change.kind) {
    case LocalChange::Kind::SetRead:
    case LocalChange::Kind::SetStarred:
      queue(effect::Request{engine::request::SetFlags{id, std::move(*account), *store.find(before.id)}});
      break;
    case LocalChange::Kind::Move:
      queue(effect::Request{engine::request::Move{id, std::move(*account), before, change.destination}});
      break;
    case LocalChange::Kind::Purge:
      queue(effect::Request{engine::request::Purge{id, std::move(*account), before}});
      break;
  }
}

void MailState::set_search_query(std::string query) {
  search_query = std::move(query);
  changed = true;
}

void MailState::set_search_focus(bool focused) {
  search_focused = focused;
  search_focus_requested = false;
  changed = true;
}

void MailState::queue(UiEffect effect) {
  effects.push_back(std::move(effect));
  changed = true;
}

void MailState::set_status(std::string text) {
  status = std::move(text);
  changed = true;
}

}  // namespace mail::state
