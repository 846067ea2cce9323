#include "state/mail_state.h"

#include <algorithm>

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
  store.set_read(id, true);
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
