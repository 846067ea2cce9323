#include "pane/reader_toolbar.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "pane/pane_paint.h"
#include "platform/ui/button_face.h"

namespace mail::pane {
namespace {

using orvo::ui::Canvas;
using orvo::ui::Color;
using orvo::ui::Icon;
using orvo::ui::Rect;

constexpr double left_inset = 20;
constexpr double compact_left_inset = 118;  // the shell's back control sits before it
constexpr double top_inset = 12;
constexpr double large_text_drop = 56;
constexpr double large_text_scale = 1.25;
constexpr double button_height = 32;
constexpr double button_gap = 8;
constexpr double icon_only_width = 38;
constexpr double narrowest_labelled_pane = 480;
constexpr double icon_size = 16;
constexpr double icon_left = 10;
constexpr double label_left = 30;
const orvo::ui::TextStyle label_style{12};

enum class Ink : std::uint8_t { Normal, Danger, Accent };

struct ButtonLook {
  std::string_view label;
  Icon icon;
  Ink ink = Ink::Normal;
};

struct ButtonSpec {
  PaneHitKind kind;
  double labelled_width;
  ButtonLook look;
};

constexpr std::array<ButtonSpec, 5> button_specs{{
    {PaneHitKind::Reply, 78, {"Reply", Icon::Reply}},
    {PaneHitKind::Archive, 88, {"Archive", Icon::Archive}},
    {PaneHitKind::Delete, 78, {"Delete", Icon::Delete, Ink::Danger}},
    {PaneHitKind::StarSelected, 64, {"Star", Icon::StarOutline}},
    {PaneHitKind::MarkUnread, 104, {"Mark unread", Icon::MarkUnread}},
}};
constexpr ButtonLook starred_look{"Starred", Icon::Star, Ink::Accent};

ButtonLook look_of(PaneHitKind kind, bool starred) {
  if (kind == PaneHitKind::StarSelected && starred) return starred_look;
  return std::ranges::find(button_specs, kind, &ButtonSpec::kind)->look;
}

Color ink_color(Ink ink, const orvo::ui::Colors& colors) {
  switch (ink) {
    case Ink::Danger: return colors.danger;
    case Ink::Accent: return colors.accent;
    case Ink::Normal: break;
  }
  return colors.text;
}

// The framework's face gives the button its background, border and hover; the
// toolbar places its own smaller icon and label on it.
void paint_background(Canvas& canvas, const Rect& rect, const orvo::ui::Theme& theme, Ink ink, bool hovered) {
  const auto tone = ink == Ink::Danger ? orvo::ui::ButtonTone::Danger : orvo::ui::ButtonTone::Normal;
  orvo::ui::ButtonFace{.tone = tone}.paint(canvas, rect, theme, {.hovered = hovered});
}

void draw_button(Canvas& canvas, const PaneFrame& frame, const ToolbarButton& button, bool icon_only, bool starred) {
  const ButtonLook look = look_of(button.kind, starred);
  const Color ink = ink_color(look.ink, frame.theme.colors);
  const Rect& rect = button.rect;
  paint_background(canvas, rect, frame.theme, look.ink, rect.contains(frame.state.pointer));

  const double icon_middle = icon_only ? rect.center().x : rect.x0 + icon_left + icon_size / 2;
  canvas.icon(look.icon, square_around({icon_middle, rect.center().y}, icon_size), ink);
  if (icon_only) return;
  const double label_top = text_top_centred(canvas.text(), label_style, rect.center().y);
  canvas.draw_text(look.label, {rect.x0 + label_left, label_top}, label_style, ink, rect.width() - label_left);
}

}  // namespace

ReaderToolbar reader_toolbar(const PaneFrame& frame) {
  const state::LayoutMirror& layout = frame.state.layout;
  ReaderToolbar toolbar{.icon_only = layout.compact || frame.rect.width() < narrowest_labelled_pane};
  const bool behind_back_control = layout.compact && layout.reader_shown;
  double x = frame.rect.x0 + (behind_back_control ? compact_left_inset : left_inset);
  const double top = frame.rect.y0 + top_inset + (frame.scale > large_text_scale ? large_text_drop : 0);
  for (const ButtonSpec& spec : button_specs) {
    const double width = toolbar.icon_only ? icon_only_width : spec.labelled_width;
    toolbar.buttons.push_back({spec.kind, {x, top, x + width, top + button_height}});
    x += width + button_gap;
  }
  return toolbar;
}

void add_toolbar_regions(const ReaderToolbar& toolbar, std::vector<PaneHit>& hits) {
  for (const ToolbarButton& button : toolbar.buttons) hits.push_back({.rect = button.rect, .kind = button.kind});
}

void draw_toolbar(Canvas& canvas, const PaneFrame& frame, const ReaderToolbar& toolbar, bool starred) {
  for (const ToolbarButton& button : toolbar.buttons) draw_button(canvas, frame, button, toolbar.icon_only, starred);
}

}  // namespace mail::pane
