#include "pane/sidebar_drawing.h"

#include <algorithm>
#include <string>

#include "pane/folder_icon.h"
#include "pane/pane_paint.h"
#include "platform/ui/avatar.h"

namespace mail::pane {
namespace {

using orvo::ui::Canvas;
using orvo::ui::FontWeight;
using orvo::ui::Icon;
using orvo::ui::Rect;
using orvo::ui::TextStyle;

const TextStyle title_style{16, FontWeight::Semibold};
const TextStyle compose_style{14, FontWeight::Semibold};
const TextStyle account_label_style{13, FontWeight::Semibold};
const TextStyle account_address_style{10.5, FontWeight::Regular};
const TextStyle badge_style{11, FontWeight::Semibold};
const TextStyle add_account_style{13, FontWeight::Semibold};

TextStyle folder_style(bool current) { return {13, current ? FontWeight::Semibold : FontWeight::Regular}; }

constexpr orvo::ui::Point title_offset{60, 19};
constexpr double compose_icon = 18;
constexpr double compose_icon_gap = 8;
constexpr double account_avatar_radius = 13;
constexpr double account_avatar_x = 36;
constexpr double account_text_x = 54;
constexpr double account_label_y = 6;
constexpr double account_address_y = 24;
constexpr double account_text_room = 108;  // what the pane's width leaves the two lines
constexpr double folder_icon_size = 18;
constexpr double folder_icon_x = 12;
constexpr double folder_icon_middle = 18;
constexpr double folder_text_x = 40;
constexpr double folder_bar_inset = 6;
constexpr double badge_height = 20;
constexpr double badge_padding = 14;
constexpr double badge_right_inset = 8;
constexpr double badge_gap = 8;
constexpr double plus_icon_x0 = 12;
constexpr double plus_icon_x1 = 28;
constexpr double add_account_text_x = 38;

class SidebarPainter {
 public:
  SidebarPainter(Canvas& canvas, const PaneFrame& frame) : canvas_(canvas), frame_(frame) {}

  void paint(const SidebarLayout& layout) {
    orvo::ui::CanvasState saved(canvas_);
    canvas_.clip(frame_.rect);
    canvas_.fill_rect(frame_.rect, colors().sidebar);
    canvas_.draw_text("Mail", {frame_.rect.x0 + title_offset.x, frame_.rect.y0 + title_offset.y}, title_style,
                      colors().text);
    paint_compose(layout.compose);
    for (const SidebarAccountGroup& group : layout.accounts) paint_group(group);
    paint_add_account(layout.add_account);
  }

 private:
  [[nodiscard]] const orvo::ui::Colors& colors() const { return frame_.theme.colors; }
  [[nodiscard]] bool hovered(const Rect& rect) const { return rect.contains(frame_.state.pointer); }
  [[nodiscard]] const orvo::ui::TextRenderer& text() const { return canvas_.text(); }

  void paint_compose(const Rect& button) {
    canvas_.fill_rounded_rect(button, 10, hovered(button) ? colors().selection : colors().accent_soft);
    const double label_width = text().width("Compose", compose_style);
    const double left = button.center().x - (compose_icon + compose_icon_gap + label_width) / 2;
    const double middle = button.center().y;
    canvas_.icon(Icon::Edit, square_around({left + compose_icon / 2, middle}, compose_icon), colors().accent);
    canvas_.draw_text("Compose",
                      {left + compose_icon + compose_icon_gap, text_top_centred(text(), compose_style, middle)},
                      compose_style, colors().accent);
  }

  void paint_group(const SidebarAccountGroup& group) {
    paint_account_row(group);
    const bool current_account = group.account == frame_.state.current_account;
    for (const SidebarFolderRow& row : group.folders) paint_folder_row(row, current_account);
  }

  void paint_account_row(const SidebarAccountGroup& group) {
    const state::AccountEntry& account = frame_.state.accounts[group.account];
    const Rect& row = group.row;
    if (group.account == frame_.state.current_account || hovered(row)) {
      canvas_.fill_rounded_rect(row, 9, colors().hover);
    }
    const double middle = row.center().y;
    canvas_.icon(account.collapsed ? Icon::ExpandMore : Icon::ExpandLess,
                 {row.x0 + 6, middle - 8, row.x0 + 22, middle + 8}, colors().text_muted);
    const std::string label = state::account_label(account);
    orvo::ui::Avatar::paint(canvas_, {row.x0 + account_avatar_x, middle}, account_avatar_radius, label,
                            frame_.theme.avatar_color(group.account), colors().on_accent);
    const double room = std::max(0.0, frame_.rect.width() - account_text_room);
    canvas_.draw_text(label, {row.x0 + account_text_x, row.y0 + account_label_y}, account_label_style, colors().text,
                      room);
    canvas_.draw_text(account.config.email, {row.x0 + account_text_x, row.y0 + account_address_y},
                      account_address_style, colors().text_muted, room);
    if (hovered(group.settings)) canvas_.fill_rounded_rect(group.settings, 8, colors().raised);
    canvas_.icon(Icon::Settings, group.settings.inset(6), colors().text_muted);
  }

  void paint_folder_row(const SidebarFolderRow& row, bool current_account) {
    const Rect& rect = row.rect;
    const bool current = current_account && row.folder == frame_.state.current_folder;
    if (current) {
      paint_marked_row(canvas_, rect, frame_.theme, folder_bar_inset);
    } else if (hovered(rect)) {
      canvas_.fill_rounded_rect(rect, 8, colors().hover);
    }
    const double icon_middle = rect.y0 + folder_icon_middle;
    canvas_.icon(folder_icon(row.folder),
                 {rect.x0 + folder_icon_x, icon_middle - folder_icon_size / 2,
                  rect.x0 + folder_icon_x + folder_icon_size, icon_middle + folder_icon_size / 2},
                 current ? colors().accent : colors().text_muted);
    const std::size_t unread = current_account ? unread_count(row.folder) : 0;
    const double name_end = unread > 0 ? paint_badge(rect, unread) - badge_gap : rect.x1 - badge_right_inset;
    const double name_x = rect.x0 + folder_text_x;
    const TextStyle style = folder_style(current);
    canvas_.draw_text(message::display_name(row.folder), {name_x, text_top_centred(text(), style, rect.center().y)},
                      style, current ? colors().text : colors().text_muted, std::max(0.0, name_end - name_x));
  }

  // Returns the badge's left edge.
  double paint_badge(const Rect& row, std::size_t count) {
    const std::string number = std::to_string(count);
    const double width = std::max(badge_height, text().width(number, badge_style) + badge_padding);
    const double right = row.x1 - badge_right_inset;
    const double middle = row.center().y;
    const Rect pill{right - width, middle - badge_height / 2, right, middle + badge_height / 2};
    canvas_.fill_rounded_rect(pill, 10, colors().accent_soft);
    canvas_.draw_text(
        number,
        {pill.center().x - text().width(number, badge_style) / 2, text_top_centred(text(), badge_style, middle)},
        badge_style, colors().accent);
    return pill.x0;
  }

  [[nodiscard]] std::size_t unread_count(message::FolderKind folder) const {
    return frame_.state.store.unread_count(folder);
  }

  void paint_add_account(const Rect& row) {
    if (hovered(row)) canvas_.fill_rounded_rect(row, 9, colors().hover);
    const double middle = row.center().y;
    const double half = (plus_icon_x1 - plus_icon_x0) / 2;
    canvas_.icon(Icon::Add, {row.x0 + plus_icon_x0, middle - half, row.x0 + plus_icon_x1, middle + half},
                 colors().text_muted);
    canvas_.draw_text("Add account", {row.x0 + add_account_text_x, text_top_centred(text(), add_account_style, middle)},
                      add_account_style, colors().text_muted);
  }

  Canvas& canvas_;
  const PaneFrame& frame_;
};

}  // namespace

void draw_sidebar(Canvas& canvas, const PaneFrame& frame, const SidebarLayout& layout) {
  SidebarPainter(canvas, frame).paint(layout);
}

}  // namespace mail::pane
