#pragma once

#include <array>

#include "platform/ui/color.h"
#include "platform/ui/text_style.h"

namespace orvo::ui {

struct Colors {
  Color window;          // behind everything
  Color sidebar;         // the folder column
  Color surface;         // list and reader panes
  Color raised;          // menus, sheets, toasts
  Color hover;           // a row under the pointer
  Color selection;       // the selected row
  Color border;          // hairlines between panes and rows
  Color text;            // primary text
  Color text_muted;      // secondary text
  Color text_faint;      // tertiary text, placeholders
  Color accent;          // primary buttons, unread marks, focus
  Color on_accent;       // text on the accent
  Color accent_soft;     // tinted backgrounds of accent elements
  Color star;            // a starred message
  Color quote;           // quoted lines of a message
  Color danger;          // destructive actions, failures
  Color scrim;           // behind a drawer or dialog
  Color shadow;
  std::array<Color, 8> avatars;
};

// The colours of one toast tone: 0 work in progress, 1 neutral, 2 unavailable, 3 failure.
struct ToastTone {
  Color background;
  Color text;
  Color accent;
};

struct Theme {
  Colors colors;
  double row_inset = 14;      // P
  double line_gap = 4;        // G
  double control_inset = 8;   // C
  double scale = 1;           // T
  double corner_radius = 10;

  // Every metric grows with `scale`; colours are the same.
  static Theme dark(double scale = 1);

  [[nodiscard]] ToastTone toast_tone(int tone) const;
  [[nodiscard]] Color avatar_color(std::size_t index) const { return colors.avatars[index % colors.avatars.size()]; }
};

}  // namespace orvo::ui
