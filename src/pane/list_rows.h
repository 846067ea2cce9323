#pragma once

#include <vector>

#include "pane/list_metrics.h"
#include "pane/pane_content.h"

namespace mail::pane {

// One conversation as it lies on screen.
struct ListRow {
  state::ListItem item;
  orvo::ui::Rect rect;
  orvo::ui::Rect star;
};

// Where the first row starts: below the header and, in bulk selection, the bulk bar.
double list_rows_top(const PaneFrame& frame, const ListMetrics& metrics);

// The list does not scroll: rows run from below the header (and the bulk bar) down
// to the pane's bottom edge, and a row that would start at or below it is left out.
std::vector<ListRow> layout_list_rows(const PaneFrame& frame, const ListMetrics& metrics);

// Each row, then its star on top of it.
void add_row_regions(const std::vector<ListRow>& rows, std::vector<PaneHit>& hits);

}  // namespace mail::pane
