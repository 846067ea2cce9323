#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/text_renderer.h"
#include "platform/ui/text_style.h"

namespace mail::draw {

// One paragraph broken into lines no wider than `max_width`, at the blanks between words.
// A blank run where a line breaks is dropped; elsewhere blanks are kept as written. A word
// wider than a whole line is cut between characters (never inside a UTF-8 sequence), and
// every line holds at least one character, so even a tiny width makes progress. An empty
// paragraph is one empty line.
[[nodiscard]] std::vector<std::string> wrap_text(const orvo::ui::TextRenderer& text, std::string_view paragraph,
                                                 const orvo::ui::TextStyle& style, double max_width);

}  // namespace mail::draw
