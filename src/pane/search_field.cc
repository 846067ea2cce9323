#include "pane/search_field.h"

#include "pane/list_header.h"
#include "pane/pane_paint.h"
#include "strings/strings.h"

namespace mail::pane {
namespace {

using orvo::ui::Rect;

const orvo::ui::TextStyle placeholder_style{13, orvo::ui::FontWeight::Regular};
// What the pane paints over an empty, unfocused field.
constexpr std::string_view resting_label = "Search";
constexpr double icon_column_left = 4;
constexpr double icon_column_right = 28;
constexpr double search_icon = 16;
constexpr double clear_icon = 16;
constexpr double placeholder_left = 30;
constexpr double resting_lift = 0.35;

}  // namespace

SearchField::SearchField(const orvo::ui::Theme& theme)
    : input_(orvo::ui::TextInput::local(theme).with_placeholder(strings::text("mail-search-placeholder"))) {}

void SearchField::follow(const state::MailState& state) {
  if (input_.text() != state.search_query) input_.set_text(state.search_query);
  input_.set_focused(state.search_focused);
}

bool SearchField::takes(const orvo::ui::Event& event) const {
  if (!focused()) return false;
  return std::holds_alternative<orvo::ui::KeyPress>(event) || std::holds_alternative<orvo::ui::Composition>(event);
}

void SearchField::place(const Rect& field) { input_.apply_layout_external(search_input_rect(field)); }

void SearchField::click(state::MailState& state, const orvo::ui::PointerPress& press,
                        const orvo::ui::FrameContext& context) {
  state.set_search_focus(true);
  input_.set_focused(true);
  input_.handle_event(press, context);
}

void SearchField::unfocus(state::MailState& state) {
  state.set_search_focus(false);
  input_.set_focused(false);
}

void SearchField::clear(state::MailState& state) {
  state.set_search_query({});
  input_.set_text({});
  unfocus(state);
}

orvo::ui::EventOutcome SearchField::type(const orvo::ui::Event& event, state::MailState& state,
                                         const orvo::ui::FrameContext& context) {
  const orvo::ui::EventOutcome outcome = input_.handle_event(event, context);
  state.set_search_query(input_.text());
  state.repair_selection();
  return outcome;
}

void SearchField::draw(orvo::ui::Canvas& canvas, const PaneFrame& frame, const Rect& field) {
  const orvo::ui::Colors& colors = frame.theme.colors;
  const double radius = field.height() / 2;
  canvas.fill_rounded_rect(field, radius, lifted(colors.surface, resting_lift));
  canvas.stroke_rounded_rect(field, radius, focused() ? colors.accent : colors.border, 1);
  const double middle = field.center().y;
  const double column_middle = field.x0 + (icon_column_left + icon_column_right) / 2 * frame.scale;
  canvas.icon(orvo::ui::Icon::Search, square_around({column_middle, middle}, search_icon * frame.scale),
              colors.text_muted);
  const bool empty = input_.text().empty();
  if (empty && !focused()) {
    canvas.draw_text(
        resting_label,
        {field.x0 + placeholder_left * frame.scale, text_top_centred(canvas.text(), placeholder_style, middle)},
        placeholder_style, colors.text_faint);
  } else {
    input_.draw(canvas);
  }
  input_.clear_dirty();
  if (!empty) {
    canvas.icon(orvo::ui::Icon::Close, square_around(search_clear_rect(field).center(), clear_icon), colors.text_muted);
  }
}

}  // namespace mail::pane
