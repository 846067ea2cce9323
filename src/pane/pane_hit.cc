#include "pane/pane_hit.h"

#include <algorithm>
#include <vector>

namespace mail::pane {
namespace {

const message::MessageRecord* message_of(const PaneHit& hit, const state::MessageStore& store) {
  const auto* id = std::get_if<message::MessageId>(&hit.payload);
  return id == nullptr ? nullptr : store.find(*id);
}

std::string star_tooltip(const message::MessageRecord* message) {
  return message != nullptr && message->starred ? "Unstar (S)" : "Star (S)";
}

std::string bulk_action_tooltip(state::BulkAction action) {
  switch (action) {
    case state::BulkAction::Archive: return "Archive selected messages (E)";
    case state::BulkAction::MoveToTrash: return "Move selected messages to Trash (Delete)";
    case state::BulkAction::Purge: return "Delete selected trashed messages permanently (Shift+Delete)";
    case state::BulkAction::MarkRead: return "Mark selected messages read";
    case state::BulkAction::MarkUnread: return "Mark selected messages unread";
  }
  return {};
}

}  // namespace

std::string tooltip_text(const PaneHit& hit, const state::MessageStore& store, bool bulk_mode,
                         const std::optional<message::MessageId>& selected) {
  switch (hit.kind) {
    case PaneHitKind::Compose: return "Compose (C)";
    case PaneHitKind::OpenAccount: return "Open account";
    case PaneHitKind::ToggleAccount: return "Expand or collapse account";
    case PaneHitKind::AccountSettings: return "Account settings";
    case PaneHitKind::AddAccount: return "Add account";
    case PaneHitKind::OpenFolder: return "Open folder";
    case PaneHitKind::OpenMessage: {
      const message::MessageRecord* message = message_of(hit, store);
      return message != nullptr && message->folder == message::FolderKind::Drafts ? "Edit draft" : "Open message";
    }
    case PaneHitKind::ToggleStar: return star_tooltip(message_of(hit, store));
    case PaneHitKind::SearchField: return "Search mail (/ or Ctrl+F)";
    case PaneHitKind::ClearSearch: return "Clear search";
    case PaneHitKind::Refresh: return "Refresh (F5)";
    case PaneHitKind::ToggleBulk:
      return bulk_mode ? "Done selecting messages (Esc)" : "Select messages for bulk actions (X)";
    case PaneHitKind::SelectAllVisible: return "Select all visible messages";
    case PaneHitKind::BulkAction: return bulk_action_tooltip(std::get<state::BulkAction>(hit.payload));
    case PaneHitKind::Reply: return "Reply (R)";
    case PaneHitKind::Archive: return "Archive (E)";
    case PaneHitKind::Delete: return "Delete (Delete)";
    case PaneHitKind::StarSelected: return star_tooltip(selected ? store.find(*selected) : nullptr);
    case PaneHitKind::MarkUnread: return "Mark unread (U)";
  }
  return {};
}

const PaneHit* hit_at(const std::vector<PaneHit>& hits, orvo::ui::Point point) {
  const auto found = std::ranges::find_if(hits.rbegin(), hits.rend(), [&](const PaneHit& hit) {
    return hit.rect.contains(point);
  });
  return found == hits.rend() ? nullptr : &*found;
}

}  // namespace mail::pane
