#include "pane/list_header.h"

#include <algorithm>
#include <string>

#include "pane/pane_paint.h"
#include "platform/ui/button_face.h"
#include "state/bulk_commands.h"

namespace mail::pane {
namespace {

using orvo::ui::FontWeight;
using orvo::ui::Rect;
using orvo::ui::TextStyle;

const TextStyle title_style{18, FontWeight::Bold};
const TextStyle count_style{12, FontWeight::Regular};

constexpr double header_top = 12;
constexpr double toggle_side = 32;
constexpr double docked_toggle_inset = 20;
constexpr double control_clearance = 4;
constexpr double refresh_right_inset = 16;
constexpr double search_gap = 10;
constexpr double search_share = 0.46;
constexpr double search_narrowest = 140;
constexpr double search_widest = 230;
constexpr double search_clear_width = 26;
constexpr double search_text_left = 30;
constexpr double search_least_left = 70;  // past the toggle, so the title keeps some room
constexpr double title_gap = 10;
constexpr double title_cut_gap = 12;
constexpr double count_gap = 8;
constexpr double toggle_icon = 20;
constexpr double refresh_icon = 18;
constexpr double hovered_lift = 0.72;
constexpr double resting_lift = 0.35;

// Beside a docked sidebar the toggle keeps the usual inset; otherwise the shell's
// sidebar control stands at the list's top left, and the toggle moves past it.
double toggle_inset(const PaneFrame& frame) {
  const state::LayoutMirror& layout = frame.state.layout;
  if (!layout.compact && layout.sidebar_shown) return docked_toggle_inset;
  const double covered = layout.shell_control_rect ? layout.shell_control_rect->x1 - frame.rect.x0 : 0;
  return std::max(0.0, covered) + control_clearance;
}

Rect search_rect(const PaneFrame& frame, const Rect& refresh, double toggle_left) {
  const double right = refresh.x0 - search_gap;
  const double width = std::clamp(frame.rect.width() * search_share, search_narrowest, search_widest);
  const double left = std::max(right - width, toggle_left + search_least_left);
  return {left, refresh.y0, right, refresh.y1};
}

std::size_t header_count(const state::MailState& state) {
  return state.bulk_mode ? state::existing_selection(state).size() : state.store.folder(state.current_folder).size();
}

void draw_toggle(orvo::ui::Canvas& canvas, const PaneFrame& frame, const Rect& toggle) {
  const orvo::ui::Colors& colors = frame.theme.colors;
  const double lift = toggle.contains(frame.state.pointer) ? hovered_lift : resting_lift;
  canvas.fill_rounded_rect(toggle, frame.theme.corner_radius, lifted(colors.surface, lift));
  const orvo::ui::Icon icon = frame.state.bulk_mode ? orvo::ui::Icon::Check : orvo::ui::Icon::CheckBoxOutline;
  canvas.icon(icon, square_around(toggle.center(), toggle_icon * frame.scale),
              frame.state.bulk_mode ? colors.accent : colors.text_muted);
}

void draw_title(orvo::ui::Canvas& canvas, const PaneFrame& frame, const ListHeaderLayout& header) {
  const orvo::ui::TextRenderer& text = canvas.text();
  const orvo::ui::Colors& colors = frame.theme.colors;
  const std::string title =
      frame.state.bulk_mode ? "Selected" : std::string(message::display_name(frame.state.current_folder));
  const double room = std::max(0.0, header.title_right - header.title_left);
  const double middle = header.toggle.center().y;
  canvas.draw_text(title, {header.title_left, text_top_centred(text, title_style, middle)}, title_style, colors.text,
                   room);
  const double title_width = text.width(title, title_style);
  if (title_width > room) return;
  const double count_left = header.title_left + title_width + count_gap * frame.scale;
  canvas.draw_text(std::to_string(header_count(frame.state)), {count_left, text_top_centred(text, count_style, middle)},
                   count_style, colors.text_muted, std::max(0.0, header.title_right - count_left));
}

void draw_refresh(orvo::ui::Canvas& canvas, const PaneFrame& frame, const Rect& refresh) {
  const orvo::ui::ButtonFace face;
  face.paint(canvas, refresh, frame.theme, {.hovered = refresh.contains(frame.state.pointer)});
  canvas.icon(orvo::ui::Icon::Refresh, square_around(refresh.center(), refresh_icon * frame.scale),
              frame.theme.colors.text_muted);
}

}  // namespace

ListHeaderLayout layout_list_header(const PaneFrame& frame, const ListMetrics& metrics) {
  const Rect& pane = frame.rect;
  const double scale = frame.scale;
  const double side = metrics.control_height;
  ListHeaderLayout header;
  const double toggle_left = pane.x0 + toggle_inset(frame) * scale;
  const double toggle_top = pane.y0 + header_top * scale;
  header.toggle = {toggle_left, toggle_top, toggle_left + toggle_side * scale, toggle_top + toggle_side * scale};
  const double refresh_right = pane.x1 - refresh_right_inset;
  header.refresh = {refresh_right - side, pane.y0 + header_top, refresh_right, pane.y0 + header_top + side};
  if (!frame.state.bulk_mode) header.search = search_rect(frame, header.refresh, toggle_left);
  header.title_left = header.toggle.x1 + title_gap * scale;
  header.title_right = (header.search ? header.search->x0 : header.refresh.x0) - title_cut_gap * scale;
  return header;
}

Rect search_clear_rect(const Rect& search) { return {search.x1 - search_clear_width, search.y0, search.x1, search.y1}; }

Rect search_input_rect(const Rect& search) {
  return {search.x0 + search_text_left, search.y0, search.x1 - search_clear_width, search.y1};
}

void add_header_regions(const ListHeaderLayout& header, const state::MailState& state, std::vector<PaneHit>& hits) {
  hits.push_back({header.toggle, PaneHitKind::ToggleBulk, {}});
  hits.push_back({header.refresh, PaneHitKind::Refresh, {}});
  if (!header.search) return;
  hits.push_back({*header.search, PaneHitKind::SearchField, {}});
  if (!state.search_query.empty()) hits.push_back({search_clear_rect(*header.search), PaneHitKind::ClearSearch, {}});
}

void draw_list_header(orvo::ui::Canvas& canvas, const PaneFrame& frame, const ListHeaderLayout& header) {
  draw_toggle(canvas, frame, header.toggle);
  draw_title(canvas, frame, header);
  draw_refresh(canvas, frame, header.refresh);
}

}  // namespace mail::pane
