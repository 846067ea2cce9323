#pragma once

#include <optional>
#include <vector>

#include "pane/list_metrics.h"
#include "pane/pane_content.h"

namespace mail::pane {

// The controls along the top of the list.
struct ListHeaderLayout {
  orvo::ui::Rect toggle;
  orvo::ui::Rect refresh;
  std::optional<orvo::ui::Rect> search;  // not while bulk selection is on
  double title_left = 0;
  double title_right = 0;  // where the title is cut
};

ListHeaderLayout layout_list_header(const PaneFrame& frame, const ListMetrics& metrics);

// The parts of the search field: the clear control at its right end and the text
// input between the search icon and that control.
orvo::ui::Rect search_clear_rect(const orvo::ui::Rect& search);
orvo::ui::Rect search_input_rect(const orvo::ui::Rect& search);

void add_header_regions(const ListHeaderLayout& header, const state::MailState& state, std::vector<PaneHit>& hits);

// Everything of the header but the search field, which draws itself.
void draw_list_header(orvo::ui::Canvas& canvas, const PaneFrame& frame, const ListHeaderLayout& header);

}  // namespace mail::pane
