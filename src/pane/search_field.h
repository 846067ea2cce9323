#pragma once

#include "pane/pane_content.h"
#include "platform/ui/text_input.h"

namespace mail::pane {

// The list header's search field: a framework text input inside a pill that the
// list draws. The state's query and focus flag are the truth; the input follows
// them, and typing into it changes them.
class SearchField {
 public:
  explicit SearchField(const orvo::ui::Theme& theme);

  // Brings the input's text and focus in line with the state.
  void follow(const state::MailState& state);
  // Puts the input inside the field's pill, between the search icon and the clear control.
  void place(const orvo::ui::Rect& field);

  [[nodiscard]] bool focused() const { return input_.focused(); }
  // Keys and input-method composition belong to the field while it has the focus.
  [[nodiscard]] bool takes(const orvo::ui::Event& event) const;

  // A click in the field focuses it and puts the caret under the pointer.
  void click(state::MailState& state, const orvo::ui::PointerPress& press, const orvo::ui::FrameContext& context);
  void unfocus(state::MailState& state);
  void clear(state::MailState& state);
  // Hands a key or a composition to the input; afterwards the list shows what
  // matches its text, from the first row.
  orvo::ui::EventOutcome type(const orvo::ui::Event& event, state::MailState& state,
                              const orvo::ui::FrameContext& context);
  // Pointer moves and releases, which extend a selection begun by a click in the field.
  orvo::ui::EventOutcome drag(const orvo::ui::Event& event, const orvo::ui::FrameContext& context) {
    return input_.handle_event(event, context);
  }

  void draw(orvo::ui::Canvas& canvas, const PaneFrame& frame, const orvo::ui::Rect& field);
  void sync(const orvo::ui::FrameContext& context) { input_.sync(context); }
  [[nodiscard]] bool needs_redraw() const { return input_.is_dirty(); }

 private:
  orvo::ui::TextInput input_;
};

}  // namespace mail::pane
