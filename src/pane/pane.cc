#include "pane/pane.h"

namespace mail::pane {

using orvo::ui::AccessNode;
using orvo::ui::AccessRole;

std::string_view type_name(PaneKind kind) {
  switch (kind) {
    case PaneKind::Sidebar: return "MailSidebar";
    case PaneKind::List: return "MailList";
    case PaneKind::Reader: return "MailReader";
  }
  return "MailList";
}

std::string_view identifier(PaneKind kind) {
  switch (kind) {
    case PaneKind::Sidebar: return "mail_sidebar";
    case PaneKind::List: return "mail_list";
    case PaneKind::Reader: return "mail_reader";
  }
  return "mail_list";
}

Pane::Pane(PaneKind kind, std::shared_ptr<state::MailState> state, const orvo::ui::Theme& theme)
    : kind_(kind), state_(std::move(state)), theme_(theme) {}

void Pane::apply_layout(const orvo::ui::LayoutTree& tree, orvo::ui::NodeId node, orvo::ui::Point parent_origin) {
  rect_ = tree.layout(node).translated(parent_origin.x, parent_origin.y);
}

void Pane::draw(orvo::ui::Canvas& canvas) {
  canvas.fill_rect(rect_, kind_ == PaneKind::Sidebar ? theme_.colors.sidebar : theme_.colors.surface);
}

std::optional<AccessNode> Pane::accessibility() const {
  switch (kind_) {
    case PaneKind::Sidebar: return AccessNode{.role = AccessRole::Tree, .label = "Mail folders", .bounds = rect_};
    case PaneKind::List:
      return AccessNode{.role = AccessRole::List,
                        .label = std::string(message::display_name(state_->current_folder)),
                        .bounds = rect_};
    case PaneKind::Reader: return AccessNode{.role = AccessRole::Document, .label = "Reading pane", .bounds = rect_};
  }
  return std::nullopt;
}

}  // namespace mail::pane
