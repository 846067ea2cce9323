#pragma once

#include "platform/ui/canvas.h"
#include "platform/ui/theme.h"

namespace mail::pane {

// `base` brightened by `amount` (0–1) of the lift that raises a control above its
// surface; the result is opaque so that it can stand in for the surface itself.
orvo::ui::Color lifted(orvo::ui::Color base, double amount);

// The background of the current row: a filled card with an accent bar along its
// left edge, the bar `bar_inset` shorter at the top and at the bottom.
void paint_marked_row(orvo::ui::Canvas& canvas, const orvo::ui::Rect& rect, const orvo::ui::Theme& theme,
                      double bar_inset = 0);

// The top of a line in `style` whose middle is `middle`.
double text_top_centred(const orvo::ui::TextRenderer& text, const orvo::ui::TextStyle& style, double middle);

// A `side` × `side` square around `center`.
orvo::ui::Rect square_around(orvo::ui::Point center, double side);

}  // namespace mail::pane
