#include "app/shortcut_reference.h"

#include <algorithm>

#include "platform/ui/modal_frame.h"

namespace mail::app {
namespace {

constexpr double header_height = 70;
const orvo::ui::TextStyle action_style{12, orvo::ui::FontWeight::Regular};
const orvo::ui::TextStyle keys_style{12, orvo::ui::FontWeight::Semibold};

double rows_height(std::size_t rows_per_column, double row_height) {
  return static_cast<double>(rows_per_column) * row_height;
}

}  // namespace

ShortcutReference::Form ShortcutReference::form_for(orvo::ui::Size window, double scale) {
  if (window.width >= 620 * scale) {
    return {true, "Keyboard shortcuts", "Opening marks mail read. Preview is explicitly read-state neutral.", 27 * scale, 6};
  }
  return {false, "Shortcuts", "Mail\u2019s shortcuts use the same actions as buttons and menus.", 43 * scale,
          shortcut_rows.size()};
}

orvo::ui::ModalLayout ShortcutReference::layout(orvo::ui::Size window, double scale) {
  const Form form = form_for(window, scale);
  return orvo::ui::ModalFrame{.max_width = 700}.layout(
      window, header_height * scale + rows_height(form.rows_per_column, form.row_height));
}

double ShortcutReference::max_scroll(orvo::ui::Size window, double scale) const {
  const Form form = form_for(window, scale);
  const double visible = layout(window, scale).content.height() - header_height * scale;
  return std::max(0.0, rows_height(form.rows_per_column, form.row_height) - visible);
}

void ShortcutReference::scroll_by(double amount, orvo::ui::Size window, double scale) {
  scroll_ = std::clamp(scroll_ + amount, 0.0, max_scroll(window, scale));
}

bool ShortcutReference::handle_event(const orvo::ui::Event& event, orvo::ui::Size window, double scale) {
  if (const auto* key = std::get_if<orvo::ui::KeyPress>(&event)) {
    return key->key == orvo::ui::Key::Escape || (key->key == orvo::ui::Key::Character && key->text == "?");
  }
  if (const auto* press = std::get_if<orvo::ui::PointerPress>(&event)) {
    return press->button == orvo::ui::PointerButton::Primary && layout(window, scale).dismisses(press->position);
  }
  if (const auto* move = std::get_if<orvo::ui::PointerMove>(&event)) hover_ = move->position;
  if (const auto* wheel = std::get_if<orvo::ui::Wheel>(&event)) {
    const double step = wheel->unit == orvo::ui::WheelUnit::Pixels ? wheel->dy / scale : wheel->dy * 36 * scale;
    scroll_by(-step, window, scale);
  }
  return false;
}

void ShortcutReference::draw(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, orvo::ui::Size window,
                             double scale) {
  const Form form = form_for(window, scale);
  const orvo::ui::ModalLayout modal = layout(window, scale);
  scroll_ = std::min(scroll_, max_scroll(window, scale));
  modal.paint_backdrop(canvas, theme);
  modal.paint_card(canvas, theme);
  const orvo::ui::Rect& content = modal.content;
  canvas.draw_text(form.title, content.origin(), {18, orvo::ui::FontWeight::Semibold}, theme.colors.text,
                   content.width());
  canvas.draw_text(form.line, {content.x0, content.y0 + 30 * scale}, {12.5, orvo::ui::FontWeight::Regular},
                   theme.colors.text_muted, content.width());
  const orvo::ui::Rect area{content.x0, content.y0 + header_height * scale, content.x1, content.y1};
  orvo::ui::CanvasState clip(canvas);
  canvas.clip(area);
  draw_rows(canvas, theme, area, form, scale);
}

void ShortcutReference::draw_rows(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, const orvo::ui::Rect& area,
                                  const Form& form, double scale) const {
  const std::size_t columns = form.wide ? 2 : 1;
  const double gutter = 24 * scale;
  const double column_width = (area.width() - gutter * static_cast<double>(columns - 1)) / static_cast<double>(columns);
  for (std::size_t index = 0; index < shortcut_rows.size(); ++index) {
    const std::size_t column = index / form.rows_per_column;
    const double x0 = area.x0 + static_cast<double>(column) * (column_width + gutter);
    const double top =
        area.y0 - scroll_ + static_cast<double>(index % form.rows_per_column) * form.row_height;
    const orvo::ui::Rect row{x0, top, x0 + column_width, top + form.row_height};
    if (row.contains(hover_)) canvas.fill_rounded_rect(row, 6, theme.colors.hover);
    const ShortcutRow& shortcut = shortcut_rows[index];
    const double keys_width = canvas.text().width(shortcut.keys, keys_style);
    if (form.wide) {
      canvas.draw_text(shortcut.action, {x0 + 6, top + 5 * scale}, action_style, theme.colors.text,
                       column_width - keys_width - 24);
      canvas.draw_text(shortcut.keys, {row.x1 - 6 - keys_width, top + 5 * scale}, keys_style, theme.colors.accent);
    } else {
      canvas.draw_text(shortcut.action, {x0 + 6, top + 4 * scale}, action_style, theme.colors.text, column_width - 12);
      canvas.draw_text(shortcut.keys, {x0 + 6, top + 21 * scale}, keys_style, theme.colors.accent);
    }
  }
}

orvo::ui::AccessNode ShortcutReference::accessibility() const {
  return {.role = orvo::ui::AccessRole::Dialog,
          .label = "Mail keyboard shortcuts",
          .description = "Shortcut reference. Open marks the selected message read; Preview keeps its unread state."};
}

}  // namespace mail::app
