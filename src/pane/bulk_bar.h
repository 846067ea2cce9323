#pragma once

#include <string>
#include <vector>

#include "pane/pane_content.h"
#include "platform/ui/button.h"
#include "state/bulk_commands.h"

namespace mail::pane {

// How much room the bar takes below the header, before the text scale.
inline constexpr double bulk_bar_height = 140;

struct BulkBarButton {
  orvo::ui::Button button;
  PaneHitKind kind = PaneHitKind::SelectAllVisible;
  PanePayload payload;
};

// The bar's buttons in reading order: Select all, Archive, Mark read, Mark unread,
// and the full-width third row.
std::vector<BulkBarButton> layout_bulk_bar(const PaneFrame& frame, double header_height);

// The third row deletes for good only a selection that lies wholly in Trash;
// anything else moves to Trash.
state::BulkAction third_bulk_action(const state::MailState& state);

void add_bulk_bar_regions(const std::vector<BulkBarButton>& buttons, std::vector<PaneHit>& hits);
void draw_bulk_bar(orvo::ui::Canvas& canvas, const PaneFrame& frame, const std::vector<BulkBarButton>& buttons);

// Runs the action on the selection and reports what it did in the status line.
// Permanent deletion only asks for confirmation.
void run_bulk_action(state::MailState& state, state::BulkAction action);

}  // namespace mail::pane
