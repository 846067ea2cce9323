#pragma once

#include <string_view>

#include "pane/reader_geometry.h"
#include "platform/ui/canvas.h"
#include "platform/ui/theme.h"

namespace mail::pane {

// A text body line by line from `top`, each line wrapped to the column and quoted
// lines (those starting with ">") in the quote colour. Lines that would start below
// `bottom_limit` are left out. Returns where the body ends.
double draw_message_body(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, std::string_view body,
                         const ReaderColumn& column, double top, double bottom_limit);

}  // namespace mail::pane
