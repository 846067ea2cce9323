#include "app/context_menu.h"

#include <algorithm>
#include <cctype>

namespace mail::app {
namespace {

using state::MessageCommand;

constexpr double menu_width = 248;
constexpr double row_height = 36;
constexpr double chrome_height = 54;  // title and padding
constexpr double title_height = 46;

double menu_scale(double text_scale) { return std::clamp(text_scale, 0.75, 2.0); }

double keep_inside(double start, double extent, double window_extent) {
  return std::max(std::min(start, window_extent - 8 - extent), 4.0);
}

orvo::ui::Icon menu_icon(MessageCommand command, const message::MessageRecord* message) {
  switch (command) {
    case MessageCommand::Reply: return orvo::ui::Icon::Reply;
    case MessageCommand::ReplyAll: return orvo::ui::Icon::ReplyAll;
    case MessageCommand::Forward: return orvo::ui::Icon::Forward;
    case MessageCommand::ToggleRead:
      return message != nullptr && message->read ? orvo::ui::Icon::MarkUnread : orvo::ui::Icon::MarkRead;
    case MessageCommand::ToggleStar:
      return message != nullptr && message->starred ? orvo::ui::Icon::StarOutline : orvo::ui::Icon::Star;
    case MessageCommand::Archive: return orvo::ui::Icon::Archive;
    case MessageCommand::Delete: return orvo::ui::Icon::Delete;
    case MessageCommand::MoveToInbox: return orvo::ui::Icon::Inbox;
    case MessageCommand::MarkJunk: return orvo::ui::Icon::Report;
  }
  return orvo::ui::Icon::Mail;
}

// The letter accelerators of the menu; Delete and Backspace choose Delete.
std::optional<MessageCommand> accelerator(const orvo::ui::KeyPress& key) {
  using orvo::ui::Key;
  if (key.key == Key::Delete || key.key == Key::Backspace) return MessageCommand::Delete;
  if (key.key != Key::Character || key.text.size() != 1 || key.modifiers.any_command()) return std::nullopt;
  switch (std::tolower(static_cast<unsigned char>(key.text[0]))) {
    case 'r': return MessageCommand::Reply;
    case 'u': return MessageCommand::ToggleRead;
    case 's': return MessageCommand::ToggleStar;
    case 'e': return MessageCommand::Archive;
    default: return std::nullopt;
  }
}

}  // namespace

std::string menu_label(MessageCommand command, const message::MessageRecord* message) {
  switch (command) {
    case MessageCommand::Reply: return "Reply";
    case MessageCommand::ReplyAll: return "Reply all";
    case MessageCommand::Forward: return "Forward";
    case MessageCommand::ToggleRead: return message != nullptr && message->read ? "Mark unread" : "Mark read";
    case MessageCommand::ToggleStar: return message != nullptr && message->starred ? "Remove star" : "Star";
    case MessageCommand::Archive: return "Archive";
    case MessageCommand::Delete: return "Delete";
    case MessageCommand::MoveToInbox: return "Move to Inbox";
    case MessageCommand::MarkJunk: return "Mark as junk";
  }
  return {};
}

ContextMenu::ContextMenu(message::MessageId message, orvo::ui::Point anchor, std::vector<MessageCommand> items)
    : message_(message), anchor_(anchor), items_(std::move(items)) {}

std::optional<ContextMenu> ContextMenu::open_for(const state::MailState& state, const message::MessageId& id,
                                                 orvo::ui::Point anchor) {
  const message::MessageRecord* message = state.store.find(id);
  if (message == nullptr) return std::nullopt;
  std::vector<MessageCommand> items{MessageCommand::Reply,      MessageCommand::ReplyAll, MessageCommand::Forward,
                                    MessageCommand::ToggleRead, MessageCommand::ToggleStar, MessageCommand::Archive,
                                    MessageCommand::Delete};
  if (message->folder != message::FolderKind::Inbox) items.push_back(MessageCommand::MoveToInbox);
  items.push_back(MessageCommand::MarkJunk);
  return ContextMenu(id, anchor, std::move(items));
}

std::optional<std::size_t> ContextMenu::index_of(MessageCommand command) const {
  const auto found = std::ranges::find(items_, command);
  if (found == items_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - items_.begin());
}

void ContextMenu::highlight(std::size_t index) {
  if (index < items_.size()) highlighted_ = index;
}

ContextMenu::KeyOutcome ContextMenu::handle_key(const orvo::ui::KeyPress& key) {
  using orvo::ui::Key;
  const std::size_t count = items_.size();
  switch (key.key) {
    case Key::Escape: return Close{};
    case Key::Enter: return Activate{highlighted_};
    case Key::Down:
    case Key::Tab: highlighted_ = (highlighted_ + 1) % count; return Nothing{};
    case Key::Up: highlighted_ = (highlighted_ + count - 1) % count; return Nothing{};
    case Key::Home: highlighted_ = 0; return Nothing{};
    case Key::End: highlighted_ = count - 1; return Nothing{};
    default: break;
  }
  if (key.key == Key::Character && key.text == " ") return Activate{highlighted_};
  if (const auto command = accelerator(key)) {
    if (const auto index = index_of(*command)) return Activate{*index};
  }
  return Nothing{};
}

orvo::ui::Rect ContextMenu::placement(orvo::ui::Size window, double text_scale) const {
  const double s = menu_scale(text_scale);
  const double width = menu_width * s;
  const double height = s * (row_height * static_cast<double>(items_.size()) + chrome_height);
  const double x0 = keep_inside(anchor_.x, width, window.width);
  const double y0 = keep_inside(anchor_.y, height, window.height);
  return {x0, y0, x0 + width, y0 + height};
}

std::optional<std::size_t> ContextMenu::item_at(orvo::ui::Point point, orvo::ui::Size window,
                                                double text_scale) const {
  const double s = menu_scale(text_scale);
  const orvo::ui::Rect menu = placement(window, text_scale);
  if (!menu.contains(point)) return std::nullopt;
  const double row = (point.y - menu.y0 - title_height * s) / (row_height * s);
  if (row < 0 || row >= static_cast<double>(items_.size())) return std::nullopt;
  return static_cast<std::size_t>(row);
}

void ContextMenu::draw(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, const state::MailState& state,
                       orvo::ui::Size window, double text_scale) const {
  const double s = menu_scale(text_scale);
  const orvo::ui::Rect menu = placement(window, text_scale);
  const message::MessageRecord* message = state.store.find(message_);
  canvas.shadow(menu, 10, 18, theme.colors.shadow);
  canvas.fill_rounded_rect(menu, 10, theme.colors.raised);
  canvas.stroke_rounded_rect(menu, 10, theme.colors.border, 1);
  canvas.icon(orvo::ui::Icon::Mail, {menu.x0 + 14 * s, menu.y0 + 15 * s, menu.x0 + 30 * s, menu.y0 + 31 * s},
              theme.colors.text_muted);
  canvas.draw_text("Message actions", {menu.x0 + 38 * s, menu.y0 + 14 * s}, {12.5, orvo::ui::FontWeight::Medium},
                   theme.colors.text_muted);
  for (std::size_t index = 0; index < items_.size(); ++index) {
    const double top = menu.y0 + (title_height + row_height * static_cast<double>(index)) * s;
    const orvo::ui::Rect row{menu.x0 + 6 * s, top, menu.x1 - 6 * s, top + row_height * s};
    if (index == highlighted_) canvas.fill_rounded_rect(row, 7 * s, theme.colors.hover);
    const auto command = items_[index];
    const orvo::ui::Color color = command == MessageCommand::Delete ? theme.colors.danger : theme.colors.text;
    canvas.icon(menu_icon(command, message), {row.x0 + 10 * s, top + 9 * s, row.x0 + 28 * s, top + 27 * s}, color);
    const orvo::ui::TextStyle style{13, orvo::ui::FontWeight::Regular};
    const double text_top = top + (row_height * s - canvas.text().line_height(style)) / 2;
    canvas.draw_text(menu_label(command, message), {row.x0 + 38 * s, text_top}, style, color);
  }
}

std::string ContextMenu::action_id(std::size_t index) const {
  return "mail.context:" + message_.to_string() + ":" + std::to_string(index);
}

orvo::ui::AccessNode ContextMenu::accessibility(const state::MailState& state) const {
  const message::MessageRecord* message = state.store.find(message_);
  orvo::ui::AccessNode menu{.role = orvo::ui::AccessRole::Menu,
                            .label = "Message actions",
                            .description =
                                "Use Up and Down Arrow to choose an action, Enter to activate, or Escape to close."};
  for (std::size_t index = 0; index < items_.size(); ++index) {
    menu.actions.push_back({menu_label(items_[index], message), action_id(index)});
  }
  return menu;
}

}  // namespace mail::app
