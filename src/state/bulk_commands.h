#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "state/mail_state.h"

namespace mail::state {

// The actions of the bulk bar, in its button order.
enum class BulkAction : std::uint8_t { Archive = 0, MoveToTrash = 1, Purge = 2, MarkRead = 3, MarkUnread = 4 };

// Turns bulk selection on and selects the representative of every row of the list.
void select_all_visible(MailState& state);

// Turns bulk selection off (emptying the selection) or on (taking the focus from
// the search field).
void toggle_bulk_mode(MailState& state);

// The selected messages that still exist, in selection order.
std::vector<MessageId> existing_selection(const MailState& state);

// True when the selection is not empty and every selected message is in Trash.
bool selection_all_in_trash(const MailState& state);

// Archive and Move to Trash empty the selection (bulk mode stays on) and select the
// first row; marking read or unread keeps it. Move to Trash leaves messages already
// in Trash alone. Each returns the number of messages changed.
std::size_t bulk_archive(MailState& state);
std::size_t bulk_move_to_trash(MailState& state);
std::size_t bulk_set_read(MailState& state, bool read);

// Permanent deletion is allowed only for a selection that is wholly in Trash.
struct PurgeRefused {
  std::string status;
};
struct PurgeReady {
  std::size_t count;
};
std::variant<PurgeRefused, PurgeReady> check_purge(const MailState& state);

// Deletes the selection for good when it is still wholly in Trash; returns how many
// messages were deleted (0 when nothing was).
std::size_t purge_bulk_selection(MailState& state);

}  // namespace mail::state
