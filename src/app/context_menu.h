#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/canvas.h"
#include "platform/ui/access_node.h"
#include "platform/ui/event.h"
#include "platform/ui/theme.h"
#include "state/mail_state.h"
#include "state/message_commands.h"

namespace mail::app {

// The "Message actions" menu of one message, opened at a point of the window.
class ContextMenu {
 public:
  // None when the message is gone.
  static std::optional<ContextMenu> open_for(const state::MailState& state, const message::MessageId& id,
                                             orvo::ui::Point anchor);

  // What a key press asks of the menu.
  struct Activate {
    std::size_t index;
  };
  struct Close {};
  struct Nothing {};
  using KeyOutcome = std::variant<Nothing, Activate, Close>;

  KeyOutcome handle_key(const orvo::ui::KeyPress& key);
  void highlight(std::size_t index);

  [[nodiscard]] const message::MessageId& message() const { return message_; }
  [[nodiscard]] const std::vector<state::MessageCommand>& items() const { return items_; }
  [[nodiscard]] std::size_t highlighted() const { return highlighted_; }

  // The menu's rectangle: 248 × s wide, kept 8 inside the right and bottom edges
  // and 4 inside the left and top ones, with s the text scale clamped to 0.75–2.
  [[nodiscard]] orvo::ui::Rect placement(orvo::ui::Size window, double text_scale) const;
  [[nodiscard]] std::optional<std::size_t> item_at(orvo::ui::Point point, orvo::ui::Size window,
                                                   double text_scale) const;

  void draw(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, const state::MailState& state,
            orvo::ui::Size window, double text_scale) const;
  [[nodiscard]] orvo::ui::AccessNode accessibility(const state::MailState& state) const;

  // The id that invokes or highlights item `index` through a semantic action.
  [[nodiscard]] std::string action_id(std::size_t index) const;

 private:
  ContextMenu(message::MessageId message, orvo::ui::Point anchor, std::vector<state::MessageCommand> items);
  [[nodiscard]] std::optional<std::size_t> index_of(state::MessageCommand command) const;

  message::MessageId message_;
  orvo::ui::Point anchor_;
  std::vector<state::MessageCommand> items_;
  std::size_t highlighted_ = 0;
};

// The item's label for the message in its current state.
std::string menu_label(state::MessageCommand command, const message::MessageRecord* message);

}  // namespace mail::app
