#pragma once

#include <array>
#include <string_view>

#include "platform/ui/access_node.h"
#include "platform/ui/canvas.h"
#include "platform/ui/event.h"
#include "platform/ui/modal_layout.h"
#include "platform/ui/theme.h"

namespace mail::app {

struct ShortcutRow {
  std::string_view action;
  std::string_view keys;
};

inline constexpr std::array<ShortcutRow, 11> shortcut_rows{{
    {"Open selected message (marks it read)", "Enter"},
    {"Preview selected message (keeps unread)", "P"},
    {"Browse selected message", "\u2191 / \u2193"},
    {"Search mail", "/ or Cmd/Ctrl-F"},
    {"Compose", "C"},
    {"Reply / star / archive", "R / S / E"},
    {"Mark unread / move to Trash", "U / Delete"},
    {"Select messages / select all", "X / Cmd/Ctrl-A"},
    {"Permanently delete selected Trash", "Shift-Delete"},
    {"Refresh current folder", "F5"},
    {"Close this reference", "Esc"},
}};

// The "Keyboard shortcuts" sheet. While it is open it takes every event.
class ShortcutReference {
 public:
  // True when the event closes the sheet: Escape, "?" again, or a press on the backdrop.
  bool handle_event(const orvo::ui::Event& event, orvo::ui::Size window, double scale);
  void draw(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, orvo::ui::Size window, double scale);
  [[nodiscard]] orvo::ui::AccessNode accessibility() const;

  [[nodiscard]] double scroll_offset() const { return scroll_; }
  [[nodiscard]] double max_scroll(orvo::ui::Size window, double scale) const;

 private:
  struct Form {
    bool wide;
    std::string_view title;
    std::string_view line;
    double row_height;
    std::size_t rows_per_column;
  };
  [[nodiscard]] static Form form_for(orvo::ui::Size window, double scale);
  [[nodiscard]] static orvo::ui::ModalLayout layout(orvo::ui::Size window, double scale);
  void scroll_by(double amount, orvo::ui::Size window, double scale);
  void draw_rows(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, const orvo::ui::Rect& area, const Form& form,
                 double scale) const;

  orvo::ui::Point hover_;
  double scroll_ = 0;
};

}  // namespace mail::app
