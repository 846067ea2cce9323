#pragma once

#include <vector>

#include "pane/bulk_bar.h"
#include "pane/list_header.h"
#include "pane/list_rows.h"

namespace mail::pane {

// What the list offers assistive technology: the bulk toggle, the bulk actions
// while bulk selection is on, and the rows on screen. The ids are the semantic
// actions that reach each control.
struct ListAccessParts {
  const ListHeaderLayout& header;
  const std::vector<BulkBarButton>& bulk_bar;
  const std::vector<ListRow>& rows;
};

orvo::ui::AccessNode list_access_node(const state::MailState& state, const ListAccessParts& parts);

}  // namespace mail::pane
