#pragma once

#include "platform/ui/canvas.h"
#include "platform/ui/theme.h"

namespace orvo::ui {

// Where a dialog sits in the window: a card over a dimmed backdrop that covers the
// rest of the window.
struct ModalLayout {
  Rect backdrop;  // the whole window
  Rect card;
  Rect content;  // inside the card's padding

  // A press on the backdrop outside the card: the dialog is dismissed.
  [[nodiscard]] bool dismisses(Point point) const { return backdrop.contains(point) && !card.contains(point); }

  void paint_backdrop(Canvas& canvas, const Theme& theme) const;
  void paint_card(Canvas& canvas, const Theme& theme) const;
};

}  // namespace orvo::ui
