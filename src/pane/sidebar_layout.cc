#include "pane/sidebar_layout.h"

namespace mail::pane {
namespace {

using orvo::ui::Rect;

constexpr double control_inset = 12;
constexpr double control_side = 36;
constexpr double compose_gap = 8;
constexpr double compose_height = 40;
constexpr double first_account_offset = 54;  // from the top of Compose
constexpr double group_gap = 16;
constexpr double account_height = 44;
constexpr double account_row_inset = 8;
constexpr double toggle_width = 28;
constexpr double settings_side = 30;
constexpr double settings_right_inset = 6;
constexpr double folder_gap = 6;
constexpr double folder_height = 36;
constexpr double folder_left_inset = 14;
constexpr double folder_right_inset = 10;
constexpr double add_account_height = 38;

// The shell's own square when it reports one; else where the shell would put it.
Rect control_square(const PaneFrame& frame) {
  if (frame.state.layout.shell_control_rect) return *frame.state.layout.shell_control_rect;
  const double x0 = frame.rect.x0 + control_inset;
  const double y0 = frame.rect.y0 + control_inset;
  return {x0, y0, x0 + control_side, y0 + control_side};
}

// Lays out one account group from `top`; returns the bottom of its last row.
double place_group(const PaneFrame& frame, std::size_t account, double top, SidebarAccountGroup& group) {
  const Rect& pane = frame.rect;
  group.account = account;
  group.row = {pane.x0 + account_row_inset, top, pane.x1 - account_row_inset, top + account_height};
  group.toggle = {group.row.x0, group.row.y0, group.row.x0 + toggle_width, group.row.y1};
  const double settings_right = group.row.x1 - settings_right_inset;
  const double middle = group.row.center().y;
  group.settings = {settings_right - settings_side, middle - settings_side / 2, settings_right,
                    middle + settings_side / 2};
  double bottom = group.row.y1;
  if (frame.state.accounts[account].collapsed) return bottom;
  bottom += folder_gap;
  for (const message::FolderKind folder : message::folder_display_order) {
    group.folders.push_back(
        {folder, {pane.x0 + folder_left_inset, bottom, pane.x1 - folder_right_inset, bottom + folder_height}});
    bottom += folder_height;
  }
  return bottom;
}

}  // namespace

SidebarLayout layout_sidebar(const PaneFrame& frame) {
  const Rect& pane = frame.rect;
  SidebarLayout layout;
  layout.control = control_square(frame);
  const double compose_top = layout.control.y1 + compose_gap;
  layout.compose = {pane.x0 + control_inset, compose_top, pane.x1 - control_inset, compose_top + compose_height};
  double top = compose_top + first_account_offset;
  for (std::size_t account = 0; account < frame.state.accounts.size(); ++account) {
    top = place_group(frame, account, top, layout.accounts.emplace_back()) + group_gap;
  }
  layout.add_account = {pane.x0 + account_row_inset, top, pane.x1 - account_row_inset, top + add_account_height};
  return layout;
}

void add_sidebar_regions(const SidebarLayout& layout, std::vector<PaneHit>& hits) {
  hits.push_back({layout.compose, PaneHitKind::Compose, {}});
  for (const SidebarAccountGroup& group : layout.accounts) {
    hits.push_back({group.row, PaneHitKind::OpenAccount, group.account});
    hits.push_back({group.toggle, PaneHitKind::ToggleAccount, group.account});
    hits.push_back({group.settings, PaneHitKind::AccountSettings, group.account});
    for (const SidebarFolderRow& row : group.folders) {
      hits.push_back({row.rect, PaneHitKind::OpenFolder, FolderTarget{group.account, row.folder}});
    }
  }
  hits.push_back({layout.add_account, PaneHitKind::AddAccount, {}});
}

}  // namespace mail::pane
