#include "platform/ui/nav_shell.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace orvo::ui {
namespace {

constexpr auto transition_time = std::chrono::milliseconds(200);
constexpr double control_inset = 12;
constexpr double control_size = 36;
constexpr double back_left = 60;
constexpr double list_share = 0.42;
constexpr double list_narrowest = 360;
constexpr double list_widest = 480;

double clamp_width(double share, NavShell::WidthRange range) { return std::clamp(share, range.narrowest, range.widest); }

double step_towards(double value, bool target, double step) {
  return target ? std::min(1.0, value + step) : std::max(0.0, value - step);
}

}  // namespace

NavShell::NavShell(const Theme& theme, std::unique_ptr<Widget> primary, std::unique_ptr<Widget> detail)
    : theme_(theme), primary_(std::move(primary)), detail_(std::move(detail)) {}

NavShell& NavShell::with_sidebar(std::unique_ptr<Widget> sidebar) {
  sidebar_ = std::move(sidebar);
  return *this;
}

void NavShell::set_detail_shown(bool shown) { detail_shown_ = shown && has_detail(); }

void NavShell::set_sidebar_state(SidebarState state) { sidebar_state_ = state; }

void NavShell::snap() {
  detail_progress_ = detail_shown_ ? 1 : 0;
  snap_sidebar();
}

void NavShell::snap_sidebar() { drawer_progress_ = sidebar_state_ == SidebarState::Open ? 1 : 0; }

bool NavShell::sidebar_shown_for(double width) const {
  if (!has_sidebar()) return false;
  switch (sidebar_state_) {
    case SidebarState::Open: return true;
    case SidebarState::Closed: return false;
    case SidebarState::Automatic: return allows_docking() && breakpoint_ <= width;
  }
  return false;
}

bool NavShell::sidebar_visible() const { return sidebar_shown_for(frame_.width()); }

bool NavShell::primary_visible() const { return !is_compact() || !detail_shown_; }

bool NavShell::detail_visible() const { return has_detail() && (!is_compact() || detail_shown_); }

Rect NavShell::control_rect() const {
  const double x0 = frame_.x0 + control_inset;
  const double y0 = frame_.y0 + control_inset;
  return {x0, y0, x0 + control_size, y0 + control_size};
}

std::optional<Rect> NavShell::back_rect() const {
  if (!is_compact() || !detail_shown_) return std::nullopt;
  const double x0 = frame_.x0 + back_left;
  const double y0 = frame_.y0 + control_inset;
  return Rect{x0, y0, x0 + control_size, y0 + control_size};
}

void NavShell::sync(const FrameContext& context) {
  const double elapsed = last_step_ ? std::chrono::duration<double>(context.now - *last_step_).count() : 0;
  last_step_ = context.now;
  const double step = elapsed / std::chrono::duration<double>(transition_time).count();
  detail_progress_ = step_towards(detail_progress_, detail_shown_, step);
  drawer_progress_ = step_towards(drawer_progress_, sidebar_state_ == SidebarState::Open, step);
  for (Widget* child : {primary_.get(), detail_.get(), sidebar_.get()}) {
    if (child != nullptr) child->sync(context);
  }
}

bool NavShell::needs_animation_frame() const {
  const bool detail_moving = detail_progress_ != (detail_shown_ ? 1.0 : 0.0);
  const bool drawer_moving = drawer_progress_ != (sidebar_state_ == SidebarState::Open ? 1.0 : 0.0);
  return (is_compact() && (detail_moving || drawer_moving)) ||
         std::ranges::any_of(std::initializer_list<const Widget*>{primary_.get(), detail_.get(), sidebar_.get()},
                             [](const Widget* child) { return child != nullptr && child->needs_animation_frame(); });
}

NavShell::Slots NavShell::slots_for(Size size) const {
  return breakpoint_ > size.width ? compact_slots(size) : wide_slots(size);
}

NavShell::Slots NavShell::wide_slots(Size size) const {
  Slots slots;
  const bool docked = sidebar_shown_for(size.width);
  const double sidebar_width = docked ? clamp_width(size.width * 0.22, docked_widths_) : 0;
  slots.sidebar = {{0, 0, sidebar_width, size.height}, docked};
  const double content = size.width - sidebar_width;
  const double list_width =
      has_detail() ? std::min(content, std::clamp(content * list_share, list_narrowest, list_widest)) : content;
  slots.primary = {{sidebar_width, 0, sidebar_width + list_width, size.height}, true};
  slots.detail = {{sidebar_width + list_width, 0, size.width, size.height}, has_detail()};
  return slots;
}

// One content pane at a time: the detail slides in from the right over the list,
// and the drawer slides in from the left over both.
NavShell::Slots NavShell::compact_slots(Size size) const {
  Slots slots;
  const double shift = has_detail() ? detail_progress_ : 0;
  slots.primary = {{-shift * size.width * 0.3, 0, (1 - shift * 0.3) * size.width, size.height}, shift < 1};
  slots.detail = {{(1 - shift) * size.width, 0, (2 - shift) * size.width, size.height}, has_detail() && shift > 0};
  const double drawer_width = std::min(size.width, clamp_width(size.width * 0.85, drawer_widths_));
  const double drawer_x = -(1 - drawer_progress_) * drawer_width;
  slots.sidebar = {{drawer_x, 0, drawer_x + drawer_width, size.height}, has_sidebar() && drawer_progress_ > 0};
  return slots;
}

NodeId NavShell::build_layout(LayoutTree& tree, const FrameContext& context) {
  const Slots slots = slots_for(context.window);
  auto slot_node = [&](Widget* child, const Slot& slot) {
    std::vector<NodeId> children;
    if (child != nullptr) children.push_back(child->build_layout(tree, context));
    return tree.add_node({.width = Dimension::points(slot.rect.width()),
                          .height = Dimension::points(slot.rect.height()),
                          .position = Position::Absolute,
                          .offset = slot.rect.origin()},
                         std::move(children));
  };
  nodes_ = {.sidebar = slot_node(sidebar_.get(), slots.sidebar),
            .primary = slot_node(primary_.get(), slots.primary),
            .detail = slot_node(detail_.get(), slots.detail)};
  return tree.add_node({.width = Dimension::percent(100), .height = Dimension::percent(100)},
                       {nodes_.sidebar, nodes_.primary, nodes_.detail});
}

void NavShell::apply_layout(const LayoutTree& tree, NodeId node, Point parent_origin) {
  frame_ = tree.layout(node).translated(parent_origin.x, parent_origin.y);
  slots_ = slots_for({frame_.width(), frame_.height()});
  apply_child(sidebar_.get(), tree, nodes_.sidebar, slots_.sidebar);
  apply_child(primary_.get(), tree, nodes_.primary, slots_.primary);
  apply_child(detail_.get(), tree, nodes_.detail, slots_.detail);
}

void NavShell::apply_child(Widget* child, const LayoutTree& tree, NodeId slot, const Slot& placement) {
  if (child == nullptr) return;
  child->apply_layout(tree, tree.children(slot).front(),
                      {frame_.x0 + placement.rect.x0, frame_.y0 + placement.rect.y0});
}

void NavShell::draw(Canvas& canvas) {
  canvas.fill_rect(frame_, theme_.colors.window);
  auto draw_slot = [&](Widget* child, const Slot& slot) {
    if (child == nullptr || !slot.visible) return;
    CanvasState state(canvas);
    canvas.clip(slot.rect.translated(frame_.x0, frame_.y0).intersected(frame_));
    child->draw(canvas);
  };
  const bool compact = is_compact();
  if (!compact) draw_slot(sidebar_.get(), slots_.sidebar);
  draw_slot(primary_.get(), slots_.primary);
  draw_slot(detail_.get(), slots_.detail);

  if (!compact) {
    for (const Slot* slot : {&slots_.sidebar, &slots_.primary}) {
      if (!slot->visible || (slot == &slots_.primary && !has_detail())) continue;
      const double x = frame_.x0 + slot->rect.x1 - 0.5;
      canvas.hairline({x, frame_.y0}, {x, frame_.y1}, theme_.colors.border);
    }
  }
  if (compact && slots_.sidebar.visible) {
    canvas.fill_rect(frame_, theme_.colors.scrim.with_alpha(theme_.colors.scrim.a / 255.0 * drawer_progress_));
    const Rect drawer = slots_.sidebar.rect.translated(frame_.x0, frame_.y0);
    canvas.shadow(drawer, 0, 24, theme_.colors.shadow);
    draw_slot(sidebar_.get(), slots_.sidebar);
  }
  if (has_sidebar()) canvas.icon(Icon::Menu, control_rect().inset(7), theme_.colors.text_muted);
  if (auto back = back_rect()) canvas.icon(Icon::ArrowBack, back->inset(7), theme_.colors.text_muted);
}

void NavShell::toggle_sidebar() {
  if (is_compact()) {
    set_sidebar_state(sidebar_state_ == SidebarState::Open ? SidebarState::Automatic : SidebarState::Open);
  } else {
    set_sidebar_state(sidebar_visible() ? SidebarState::Closed : SidebarState::Open);
  }
}

const Widget* NavShell::child_at(Point point) const {
  auto contains = [&](const Slot& slot) { return slot.visible && slot.rect.translated(frame_.x0, frame_.y0).contains(point); };
  if (is_compact() && contains(slots_.sidebar)) return sidebar_.get();
  if (contains(slots_.detail)) return detail_.get();
  if (contains(slots_.primary)) return primary_.get();
  if (contains(slots_.sidebar)) return sidebar_.get();
  return nullptr;
}

Widget* NavShell::child_at(Point point) { return const_cast<Widget*>(std::as_const(*this).child_at(point)); }

EventOutcome NavShell::handle_press(const PointerPress& press, const FrameContext& context) {
  if (has_sidebar() && control_rect().contains(press.position)) {
    toggle_sidebar();
    return EventOutcome::Handled;
  }
  if (auto back = back_rect(); back && back->contains(press.position)) {
    set_detail_shown(false);
    return EventOutcome::Handled;
  }
  Widget* target = child_at(press.position);
  if (drawer_open() && target != sidebar_.get()) {
    set_sidebar_state(SidebarState::Automatic);
    return EventOutcome::Handled;
  }
  captured_ = target;
  return target != nullptr ? target->handle_event(press, context) : EventOutcome::Ignored;
}

EventOutcome NavShell::handle_event(const Event& event, const FrameContext& context) {
  if (const auto* press = std::get_if<PointerPress>(&event)) return handle_press(*press, context);

  auto pointer_target = [&](Point position) -> EventOutcome {
    Widget* target = captured_ != nullptr ? captured_ : child_at(position);
    return target != nullptr ? target->handle_event(event, context) : EventOutcome::Ignored;
  };
  if (const auto* move = std::get_if<PointerMove>(&event)) return pointer_target(move->position);
  if (const auto* release = std::get_if<PointerRelease>(&event)) {
    const EventOutcome outcome = pointer_target(release->position);
    captured_ = nullptr;
    return outcome;
  }
  if (const auto* wheel = std::get_if<Wheel>(&event)) return pointer_target(wheel->position);

  // Keys and composition go to the visible panes, the drawer first while it is open.
  std::vector<Widget*> order;
  if (drawer_open()) order.push_back(sidebar_.get());
  if (primary_visible()) order.push_back(primary_.get());
  if (detail_visible()) order.push_back(detail_.get());
  if (!is_compact() && sidebar_visible()) order.push_back(sidebar_.get());
  for (Widget* child : order) {
    if (child->handle_event(event, context) == EventOutcome::Handled) return EventOutcome::Handled;
  }
  return EventOutcome::Ignored;
}

std::optional<std::string> NavShell::tooltip_at(Point point) const {
  if (has_sidebar() && control_rect().contains(point)) return sidebar_visible() ? "Hide folders" : "Show folders";
  if (auto back = back_rect(); back && back->contains(point)) return "Back";
  const Widget* target = child_at(point);
  return target != nullptr ? target->tooltip_at(point) : std::nullopt;
}

bool NavShell::accepts_text_input() const {
  return std::ranges::any_of(std::initializer_list<const Widget*>{primary_.get(), detail_.get(), sidebar_.get()},
                             [](const Widget* child) { return child != nullptr && child->accepts_text_input(); });
}

}  // namespace orvo::ui
