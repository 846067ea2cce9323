#pragma once

#include <string_view>

#include "platform/ui/canvas.h"
#include "platform/ui/theme.h"

namespace orvo::ui {

// A small raised label for the pointer resting at `anchor`: below and right of it,
// above it when there is no room below, and always inside `window`.
void paint_tooltip(Canvas& canvas, const Rect& window, Point anchor, std::string_view text, const Theme& theme);

}  // namespace orvo::ui
