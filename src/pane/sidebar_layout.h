#pragma once

#include <cstddef>
#include <vector>

#include "message/folder_kind.h"
#include "pane/pane_content.h"

namespace mail::pane {

struct SidebarFolderRow {
  message::FolderKind folder = message::FolderKind::Inbox;
  orvo::ui::Rect rect;
};

// An account's row with its two controls and, unless it is collapsed, its folders.
struct SidebarAccountGroup {
  std::size_t account = 0;
  orvo::ui::Rect row;
  orvo::ui::Rect toggle;
  orvo::ui::Rect settings;
  std::vector<SidebarFolderRow> folders;
};

// Where everything of the sidebar lies, from the top down. The sidebar never
// scrolls, so this is the whole of it.
struct SidebarLayout {
  orvo::ui::Rect control;  // the shell's toggle square, which everything else sits below
  orvo::ui::Rect compose;
  std::vector<SidebarAccountGroup> accounts;
  orvo::ui::Rect add_account;
};

SidebarLayout layout_sidebar(const PaneFrame& frame);

// The layout's regions, in hit-testing order (later ones on top).
void add_sidebar_regions(const SidebarLayout& layout, std::vector<PaneHit>& hits);

}  // namespace mail::pane
