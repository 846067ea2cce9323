#include "pane/list_rows.h"

#include "pane/bulk_bar.h"

namespace mail::pane {
namespace {

constexpr double star_side = 24;
constexpr double star_left = 42;  // from the pane's right edge
constexpr double star_right = 18;

}  // namespace

double list_rows_top(const PaneFrame& frame, const ListMetrics& metrics) {
  return frame.rect.y0 + metrics.header_height + (frame.state.bulk_mode ? bulk_bar_height * frame.scale : 0);
}

std::vector<ListRow> layout_list_rows(const PaneFrame& frame, const ListMetrics& metrics) {
  const orvo::ui::Rect& pane = frame.rect;
  double top = list_rows_top(frame, metrics);
  std::vector<ListRow> rows;
  for (const state::ListItem& item : frame.state.visible_list()) {
    if (top >= pane.y1) break;
    const double star_middle = top + metrics.star_middle;
    rows.push_back(
        {item,
         {pane.x0, top, pane.x1, top + metrics.row_height},
         {pane.x1 - star_left, star_middle - star_side / 2, pane.x1 - star_right, star_middle + star_side / 2}});
    top += metrics.row_height;
  }
  return rows;
}

void add_row_regions(const std::vector<ListRow>& rows, std::vector<PaneHit>& hits) {
  for (const ListRow& row : rows) {
    hits.push_back({row.rect, PaneHitKind::OpenMessage, row.item.representative});
    hits.push_back({row.star, PaneHitKind::ToggleStar, row.item.representative});
  }
}

}  // namespace mail::pane
