#pragma once

#include <string_view>

#include "platform/ui/canvas.h"
#include "platform/ui/theme.h"

namespace orvo::ui::toast {

// A short message floating at the bottom centre of `window`, coloured by `tone`
// (0 work in progress, 1 neutral, 2 unavailable, 3 failure).
void paint_transient(Canvas& canvas, const Rect& window, std::string_view text, int tone, const Theme& theme);

}  // namespace orvo::ui::toast
