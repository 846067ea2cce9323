#pragma once

#include "platform/ui/geometry.h"
#include "platform/ui/modal_layout.h"

namespace orvo::ui {

// The frame of a dialog: a card centred in the window, at most `max_width` wide,
// at least `margin` from every window edge, with `padding` around its content.
struct ModalFrame {
  double max_width = 560;
  double margin = 24;
  double padding = 24;

  // The card for content `content_height` high; taller content is cut to the window
  // and the dialog scrolls it.
  [[nodiscard]] ModalLayout layout(Size window, double content_height) const;
};

}  // namespace orvo::ui
