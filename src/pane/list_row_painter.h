#pragma once

#include <optional>

#include "pane/list_metrics.h"
#include "pane/list_rows.h"

namespace mail::pane {

// Draws one row; `drag` is how far the row is being swiped, when it is.
void paint_list_row(orvo::ui::Canvas& canvas, const PaneFrame& frame, const ListMetrics& metrics, const ListRow& row,
                    std::optional<double> drag);

}  // namespace mail::pane
