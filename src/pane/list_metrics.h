#pragma once

#include "platform/ui/text_renderer.h"
#include "platform/ui/theme.h"

namespace mail::pane {

// The list's row and header measures, which follow the font and the theme. Line
// tops are from the top of a row. Until the first draw measures them, the regions
// use the defaults below.
struct ListMetrics {
  bool valid = false;
  double sender_top = 0;
  double subject_top = 0;
  double snippet_top = 0;
  double star_middle = 59.6875;  // the snippet line's middle, where the star and the paper clip sit
  double avatar_radius = 17;
  double row_height = 79;
  double control_height = 32;
  double header_height = 56;

  static ListMetrics measure(const orvo::ui::TextRenderer& text, const orvo::ui::Theme& theme);
};

}  // namespace mail::pane
