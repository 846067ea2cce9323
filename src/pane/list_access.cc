#include "pane/list_access.h"

#include <string>

#include "message/date_format.h"
#include "pane/empty_list.h"
#include "pane/row_text.h"

namespace mail::pane {
namespace {

using orvo::ui::AccessNode;
using orvo::ui::AccessRole;
using state::BulkAction;

struct ActionText {
  std::string label;
  std::string id;
};

ActionText bulk_action_text(BulkAction action) {
  switch (action) {
    case BulkAction::Archive: return {"Archive selected messages", "archive"};
    case BulkAction::MoveToTrash: return {"Move selected messages to Trash", "delete"};
    case BulkAction::Purge: return {"Delete selected trashed messages permanently", "purge"};
    case BulkAction::MarkRead: return {"Mark selected messages read", "read"};
    case BulkAction::MarkUnread: return {"Mark selected messages unread", "unread"};
  }
  return {};
}

ActionText button_text(const BulkBarButton& button) {
  if (const auto* action = std::get_if<BulkAction>(&button.payload)) return bulk_action_text(*action);
  return {"Select all visible messages", "select-all"};
}

AccessNode bulk_toggle_node(const state::MailState& state, const orvo::ui::Rect& toggle) {
  return {.role = AccessRole::Button,
          .label = state.bulk_mode ? "Done selecting messages" : "Select messages for bulk actions",
          .id = "mail.bulk:toggle",
          .bounds = toggle};
}

AccessNode bulk_group_node(const state::MailState& state, const std::vector<BulkBarButton>& buttons) {
  AccessNode group{.role = AccessRole::Group,
                   .label = "Bulk actions",
                   .value = std::to_string(state::existing_selection(state).size()) + " selected"};
  for (const BulkBarButton& button : buttons) {
    ActionText text = button_text(button);
    group.children.push_back({.role = AccessRole::Button,
                              .label = std::move(text.label),
                              .id = "mail.bulk:" + text.id,
                              .bounds = button.button.rect});
  }
  return group;
}

// The row's state in words, most telling first: "unread, starred, 3 messages".
std::string row_state(const message::MessageRecord& message, std::size_t count) {
  std::string words;
  auto add = [&](std::string_view word) { words += (words.empty() ? "" : ", ") + std::string(word); };
  if (!message.read) add("unread");
  if (message.starred) add("starred");
  if (!message.attachments.empty()) add("has attachments");
  if (count >= 2) add(std::to_string(count) + " messages");
  return words;
}

AccessNode row_node(const state::MailState& state, const ListRow& row) {
  const message::MessageRecord* message = state.store.find(row.item.representative);
  if (message == nullptr) return {.role = AccessRole::ListItem};
  return {.role = AccessRole::ListItem,
          .label = sender_text(message->from) + ", " + subject_text(*message) + ", " +
                   message::format_list_date(message->date, state.clock),
          .value = row_state(*message, row.item.count),
          .id = "mail.message:" + message->id.to_string(),
          .bounds = row.rect};
}

}  // namespace

AccessNode list_access_node(const state::MailState& state, const ListAccessParts& parts) {
  AccessNode list{
      .role = AccessRole::List, .label = "Messages", .value = std::string(message::display_name(state.current_folder))};
  list.children.push_back(bulk_toggle_node(state, parts.header.toggle));
  if (state.bulk_mode) list.children.push_back(bulk_group_node(state, parts.bulk_bar));
  for (const ListRow& row : parts.rows) list.children.push_back(row_node(state, row));
  if (parts.rows.empty()) list.children.push_back({.role = AccessRole::Text, .label = empty_list_access_label(state)});
  return list;
}

}  // namespace mail::pane
