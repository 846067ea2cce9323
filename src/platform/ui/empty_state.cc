#include "platform/ui/empty_state.h"

#include <algorithm>

namespace orvo::ui {
namespace {

constexpr double icon_size = 56;
constexpr double button_height = 40;
constexpr double button_padding = 22;
constexpr double title_gap = 20;
constexpr double body_gap = 8;
constexpr double button_gap = 24;
constexpr double title_height = 30;
constexpr double body_height = 22;

const TextStyle title_style = Typography::style(4);
const TextStyle body_style = Typography::style(2);
const TextStyle button_style{13.5, FontWeight::Semibold};

}  // namespace

EmptyState::EmptyState(const Theme& theme, Icon icon, std::string title, std::string body,
                       std::optional<Action> action)
    : theme_(theme), icon_(icon), title_(std::move(title)), body_(std::move(body)), action_(std::move(action)) {}

NodeId EmptyState::build_layout(LayoutTree& tree, const FrameContext& context) {
  if (action_) button_width_ = context.text.width(action_->label, button_style) + 2 * button_padding;
  return Widget::build_layout(tree, context);
}

void EmptyState::apply_layout(const LayoutTree& tree, NodeId node, Point parent_origin) {
  frame_ = tree.layout(node).translated(parent_origin.x, parent_origin.y);
}

EmptyState::Placement EmptyState::place() const {
  const double block = icon_size + title_gap + title_height + body_gap + body_height +
                       (action_ ? button_gap + button_height : 0);
  const Point center = frame_.center();
  const double top = center.y - block / 2;
  Placement placement;
  placement.icon = {center.x - icon_size / 2, top, center.x + icon_size / 2, top + icon_size};
  placement.title_top = placement.icon.y1 + title_gap;
  placement.body_top = placement.title_top + title_height + body_gap;
  const double button_top = placement.body_top + body_height + button_gap;
  placement.button = {center.x - button_width_ / 2, button_top, center.x + button_width_ / 2,
                      button_top + button_height};
  return placement;
}

void EmptyState::draw(Canvas& canvas) {
  const TextRenderer& text = canvas.text();
  const Placement placement = place();
  const double max_width = std::max(0.0, frame_.width() - 48);

  canvas.fill_circle(placement.icon.center(), icon_size / 2, theme_.colors.accent_soft);
  canvas.icon(icon_, placement.icon.inset(14), theme_.colors.accent);

  auto centred = [&](const std::string& line, double top, const TextStyle& style, Color color) {
    const double width = std::min(text.width(line, style), max_width);
    canvas.draw_text(line, {frame_.center().x - width / 2, top}, style, color, max_width);
  };
  centred(title_, placement.title_top, title_style, theme_.colors.text);
  centred(body_, placement.body_top, body_style, theme_.colors.text_muted);

  if (action_) {
    const Rect& button = placement.button;
    canvas.fill_rounded_rect(button, button_height / 2, theme_.colors.accent);
    const double label_top = button.y0 + (button_height - text.line_height(button_style)) / 2;
    canvas.draw_text(action_->label, {button.x0 + button_padding, label_top}, button_style, theme_.colors.on_accent);
  }
}

std::optional<AccessNode> EmptyState::accessibility() const {
  const Placement placement = place();
  AccessNode node{.role = AccessRole::Group, .label = title_};
  node.children.push_back({.role = AccessRole::Heading, .label = title_});
  node.children.push_back({.role = AccessRole::Text, .label = body_});
  if (action_) {
    node.children.push_back(
        {.role = AccessRole::Button, .label = action_->label, .id = action_->id, .bounds = placement.button});
  }
  return node;
}

std::optional<std::string> EmptyState::action_at(Point point) const {
  if (!action_ || !place().button.contains(point)) return std::nullopt;
  return action_->id;
}

}  // namespace orvo::ui
