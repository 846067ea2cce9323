#include "pane/pane.h"

#include <algorithm>

#include "pane/list_pane.h"
#include "pane/reader_pane.h"
#include "pane/sidebar_pane.h"

namespace mail::pane {
namespace {

std::unique_ptr<PaneContent> content_for(PaneKind kind) {
  switch (kind) {
    case PaneKind::Sidebar: return std::make_unique<SidebarPane>();
    case PaneKind::List: return std::make_unique<ListPane>();
    case PaneKind::Reader: return std::make_unique<ReaderPane>();
  }
  return nullptr;
}

}  // namespace

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
    : kind_(kind), state_(std::move(state)), theme_(theme), content_(content_for(kind)) {}

PaneFrame Pane::frame() const {
  return PaneFrame{.state = *state_, .theme = theme_, .rect = rect_, .scale = std::clamp(text_scale_, 0.5, 4.0)};
}

void Pane::rebuild_regions() {
  hits_.clear();
  content_->add_regions(frame(), hits_);
}

void Pane::sync(const orvo::ui::FrameContext& context) { content_->sync(context); }

orvo::ui::NodeId Pane::build_layout(orvo::ui::LayoutTree& tree, const orvo::ui::FrameContext& context) {
  text_scale_ = context.text_scale;
  return tree.add_leaf({.width = orvo::ui::Dimension::percent(100), .height = orvo::ui::Dimension::percent(100)});
}

void Pane::apply_layout(const orvo::ui::LayoutTree& tree, orvo::ui::NodeId node, orvo::ui::Point parent_origin) {
  rect_ = tree.layout(node).translated(parent_origin.x, parent_origin.y);
  rebuild_regions();
}

void Pane::draw(orvo::ui::Canvas& canvas) {
  rebuild_regions();
  content_->draw(canvas, frame(), hits_);
}

orvo::ui::EventOutcome Pane::handle_event(const orvo::ui::Event& event, const orvo::ui::FrameContext& context) {
  rebuild_regions();
  return content_->handle_event(event, frame(), hits_, context);
}

std::optional<std::string> Pane::tooltip_at(orvo::ui::Point point) const {
  if (auto own = content_->own_tooltip(point, frame())) return own;
  const PaneHit* hit = hit_at(hits_, point);
  if (hit == nullptr) return std::nullopt;
  return tooltip_text(*hit, state_->store, state_->bulk_mode, state_->selected);
}

std::optional<orvo::ui::AccessNode> Pane::accessibility() const {
  orvo::ui::AccessNode node = content_->accessibility(frame());
  node.bounds = rect_;
  return node;
}

}  // namespace mail::pane
