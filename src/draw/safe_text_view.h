#pragma once

#include <string_view>

#include "platform/ui/canvas.h"
#include "platform/ui/theme.h"

namespace mail::draw {

// A message's plain text body on a card filling `region`: what an HTML message shows
// while no web view can. Nothing in it is interpreted, so it is safe for any mail.
void draw_safe_text(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, const orvo::ui::Rect& region,
                    std::string_view text_body);

}  // namespace mail::draw
