#pragma once

#include <cstddef>
#include <optional>

#include "platform/ui/access_node.h"
#include "platform/ui/canvas.h"
#include "platform/ui/event.h"
#include "platform/ui/modal_layout.h"
#include "platform/ui/theme.h"

namespace mail::app {

// The "Delete permanently?" dialog. It holds only the count it was opened with:
// the selection is examined again when the deletion is confirmed.
class PurgeConfirmation {
 public:
  enum class Outcome : unsigned char { Nothing, Cancel, Confirm };

  explicit PurgeConfirmation(std::size_t count) : count_(count) {}

  // Escape cancels, Enter confirms, a press on a button chooses it.
  [[nodiscard]] Outcome handle_event(const orvo::ui::Event& event, orvo::ui::Size window,
                                     const orvo::ui::TextRenderer& text) const;
  void draw(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, orvo::ui::Size window) const;
  [[nodiscard]] orvo::ui::AccessNode accessibility() const;

 private:
  struct Placement {
    orvo::ui::ModalLayout modal;
    orvo::ui::Rect cancel;
    orvo::ui::Rect confirm;
  };
  [[nodiscard]] Placement place(orvo::ui::Size window, const orvo::ui::TextRenderer& text) const;

  std::size_t count_;
};

}  // namespace mail::app
