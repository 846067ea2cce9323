#include "pane/sidebar_pane.h"

#include <string>

#include "pane/sidebar_drawing.h"
#include "pane/sidebar_layout.h"

namespace mail::pane {
namespace {

using orvo::ui::AccessNode;
using orvo::ui::AccessRole;
using state::MailState;

// Choosing an account or a folder shows it in the list; a narrow window's drawer
// gets out of the way.
void show_folder(MailState& state, std::size_t account, message::FolderKind folder) {
  if (account < state.accounts.size()) state.current_account = account;
  state.switch_folder(folder);
  state.queue(state::effect::CloseDrawer{});
}

void toggle_collapsed(MailState& state, std::size_t account) {
  if (account >= state.accounts.size()) return;
  state.accounts[account].collapsed = !state.accounts[account].collapsed;
  state.changed = true;
}

void click(MailState& state, const PaneHit& hit) {
  switch (hit.kind) {
    case PaneHitKind::Compose: state.queue(state::effect::ComposeNew{}); break;
    case PaneHitKind::OpenAccount:
      show_folder(state, std::get<std::size_t>(hit.payload), message::FolderKind::Inbox);
      break;
    case PaneHitKind::ToggleAccount: toggle_collapsed(state, std::get<std::size_t>(hit.payload)); break;
    case PaneHitKind::AccountSettings:
      state.queue(state::effect::OpenSetup{.edit = true, .account = std::get<std::size_t>(hit.payload)});
      break;
    case PaneHitKind::AddAccount: state.queue(state::effect::OpenSetup{.edit = false}); break;
    case PaneHitKind::OpenFolder: {
      const auto target = std::get<FolderTarget>(hit.payload);
      show_folder(state, target.account, target.folder);
      break;
    }
    default: break;
  }
}

AccessNode folder_node(const SidebarFolderRow& row, std::size_t account) {
  return {.role = AccessRole::TreeItem,
          .label = std::string(message::display_name(row.folder)),
          .id = "mail.folder:" + std::to_string(account) + ":" + std::string(message::identifier(row.folder)),
          .bounds = row.rect};
}

AccessNode account_node(const MailState& state, const SidebarAccountGroup& group) {
  const state::AccountEntry& account = state.accounts[group.account];
  AccessNode node{.role = AccessRole::TreeItem,
                  .label = state::account_label(account),
                  .value = account.collapsed ? "collapsed" : "expanded",
                  .id = "mail.account:" + std::to_string(group.account),
                  .bounds = group.row};
  for (const SidebarFolderRow& row : group.folders) node.children.push_back(folder_node(row, group.account));
  return node;
}

}  // namespace

void SidebarPane::add_regions(const PaneFrame& frame, std::vector<PaneHit>& hits) {
  add_sidebar_regions(layout_sidebar(frame), hits);
}

void SidebarPane::draw(orvo::ui::Canvas& canvas, const PaneFrame& frame, const std::vector<PaneHit>&) {
  draw_sidebar(canvas, frame, layout_sidebar(frame));
}

orvo::ui::EventOutcome SidebarPane::handle_event(const orvo::ui::Event& event, const PaneFrame& frame,
                                                 const std::vector<PaneHit>& hits, const orvo::ui::FrameContext&) {
  const auto* press = std::get_if<orvo::ui::PointerPress>(&event);
  if (press == nullptr || press->button != orvo::ui::PointerButton::Primary) return orvo::ui::EventOutcome::Ignored;
  const PaneHit* hit = hit_at(hits, press->position);
  if (hit == nullptr) return orvo::ui::EventOutcome::Ignored;
  click(frame.state, *hit);
  return orvo::ui::EventOutcome::Handled;
}

AccessNode SidebarPane::accessibility(const PaneFrame& frame) const {
  AccessNode tree{.role = AccessRole::Tree, .label = "Mail folders"};
  for (const SidebarAccountGroup& group : layout_sidebar(frame).accounts) {
    tree.children.push_back(account_node(frame.state, group));
  }
  return tree;
}

}  // namespace mail::pane
