#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "message/folder_kind.h"
#include "message/message_id.h"
#include "platform/ui/geometry.h"
#include "state/bulk_commands.h"
#include "state/message_store.h"

namespace mail::pane {

enum class PaneHitKind : std::uint8_t {
  Compose = 0,
  OpenAccount = 1,
  ToggleAccount = 2,
  AccountSettings = 3,
  AddAccount = 4,
  OpenFolder = 5,
  OpenMessage = 6,
  ToggleStar = 7,
  SearchField = 8,
  ClearSearch = 9,
  Refresh = 10,
  ToggleBulk = 11,
  SelectAllVisible = 12,
  BulkAction = 13,
  Reply = 14,
  Archive = 15,
  Delete = 16,
  StarSelected = 17,
  MarkUnread = 18,
};

struct FolderTarget {
  std::size_t account = 0;
  message::FolderKind folder = message::FolderKind::Inbox;
};

// What a region acts on: nothing, an account index, an account's folder, a message
// or a bulk action.
using PanePayload = std::variant<std::monostate, std::size_t, FolderTarget, message::MessageId, state::BulkAction>;

// One interactive region of a pane. Regions added later lie on top.
struct PaneHit {
  orvo::ui::Rect rect;
  PaneHitKind kind = PaneHitKind::Compose;
  PanePayload payload;
};

// The region's tooltip; texts that depend on a message look it up in `store`.
std::string tooltip_text(const PaneHit& hit, const state::MessageStore& store, bool bulk_mode,
                         const std::optional<message::MessageId>& selected);

// The topmost region containing `point`.
const PaneHit* hit_at(const std::vector<PaneHit>& hits, orvo::ui::Point point);

}  // namespace mail::pane
