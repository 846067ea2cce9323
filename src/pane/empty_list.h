#pragma once

#include <string>

#include "platform/ui/canvas.h"
#include "platform/ui/icon.h"
#include "platform/ui/theme.h"
#include "state/mail_state.h"

namespace mail::pane {

// What the list says when it has no rows, from the most to the least specific cause.
struct EmptyListText {
  orvo::ui::Icon icon = orvo::ui::Icon::Mail;
  std::string title;
  std::string body;
};

EmptyListText empty_list_text(const state::MailState& state);

// The one node that stands for an empty list in the accessibility tree.
std::string empty_list_access_label(const state::MailState& state);

void paint_empty_list(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, const EmptyListText& text,
                      const orvo::ui::Rect& area);

}  // namespace mail::pane
