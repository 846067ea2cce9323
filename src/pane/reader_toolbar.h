#pragma once

#include <vector>

#include "pane/pane_content.h"
#include "pane/pane_hit.h"

namespace mail::pane {

struct ToolbarButton {
  PaneHitKind kind = PaneHitKind::Reply;
  orvo::ui::Rect rect;
};

// The reader's message actions, left to right: Reply, Archive, Delete, Star, Mark unread.
struct ReaderToolbar {
  std::vector<ToolbarButton> buttons;
  bool icon_only = false;
};

ReaderToolbar reader_toolbar(const PaneFrame& frame);

// One region per button, in toolbar order.
void add_toolbar_regions(const ReaderToolbar& toolbar, std::vector<PaneHit>& hits);

// `starred` says whether the selected message is starred, which turns Star into Starred.
void draw_toolbar(orvo::ui::Canvas& canvas, const PaneFrame& frame, const ReaderToolbar& toolbar, bool starred);

}  // namespace mail::pane
