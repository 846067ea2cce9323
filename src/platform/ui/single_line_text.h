#pragma once

#include <string>
#include <string_view>

namespace orvo::ui {

// `raw` made fit for a one-line field, whatever its source (keyboard, clipboard,
// program): bytes that are not UTF-8 become U+FFFD, line breaks and tabs become
// spaces (a CR LF pair one space), and other control characters are dropped.
std::string single_line_text(std::string_view raw);

}  // namespace orvo::ui
