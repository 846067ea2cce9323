#include "state/bulk_commands.h"

#include <algorithm>

namespace mail::state {
namespace {

bool in_trash(const MailState& state, const MessageId& id) {
  return state.store.find(id)->folder == FolderKind::Trash;
}

// After messages leave the list the selection starts over.
std::size_t remove_from_list(MailState& state, LocalChange change) {
  const std::size_t count = state.apply(change);
  state.bulk_selection.clear();
  state.repair_selection();
  return count;
}

}  // namespace

void select_all_visible(MailState& state) {
  state.bulk_mode = true;
  state.bulk_selection.clear();
  for (const ListItem& item : state.visible_list()) state.bulk_selection.push_back(item.representative);
  state.changed = true;
}

void toggle_bulk_mode(MailState& state) {
  state.bulk_mode = !state.bulk_mode;
  if (state.bulk_mode) {
    state.search_focused = false;
  } else {
    state.bulk_selection.clear();
  }
  state.changed = true;
}

std::vector<MessageId> existing_selection(const MailState& state) {
  std::vector<MessageId> ids;
  std::ranges::copy_if(state.bulk_selection, std::back_inserter(ids),
                       [&](const MessageId& id) { return state.store.find(id) != nullptr; });
  return ids;
}

bool selection_all_in_trash(const MailState& state) {
  const std::vector<MessageId> ids = existing_selection(state);
  return !ids.empty() && std::ranges::all_of(ids, [&](const MessageId& id) { return in_trash(state, id); });
}

std::size_t bulk_archive(MailState& state) {
  return remove_from_list(state, {.kind = LocalChange::Kind::Move,
                                  .ids = existing_selection(state),
                                  .destination = FolderKind::Archive});
}

std::size_t bulk_move_to_trash(MailState& state) {
  std::vector<MessageId> ids = existing_selection(state);
  std::erase_if(ids, [&](const MessageId& id) { return in_trash(state, id); });
  return remove_from_list(state, {.kind = LocalChange::Kind::Move, .ids = std::move(ids), .destination = FolderKind::Trash});
}

std::size_t bulk_set_read(MailState& state, bool read) {
  return state.apply({.kind = LocalChange::Kind::SetRead, .ids = existing_selection(state), .value = read});
}

std::variant<PurgeRefused, PurgeReady> check_purge(const MailState& state) {
  const std::vector<MessageId> ids = existing_selection(state);
  if (ids.empty()) return PurgeRefused{"Select messages before deleting them permanently"};
  if (!std::ranges::all_of(ids, [&](const MessageId& id) { return in_trash(state, id); })) {
    return PurgeRefused{"Permanent deletion requires an all-Trash selection"};
  }
  return PurgeReady{ids.size()};
}

std::size_t purge_bulk_selection(MailState& state) {
  if (!selection_all_in_trash(state)) return 0;
  return remove_from_list(state, {.kind = LocalChange::Kind::Purge, .ids = existing_selection(state)});
}

}  // namespace mail::state
