#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace orvo::ui {

// The byte offsets in the UTF-8 `text` where a caret may stand, from 0 to its size:
// the edges of user-perceived characters, so that "é" written as "e" and a combining
// accent, or a flag made of two code points, is stepped over and erased as one.
std::vector<std::size_t> grapheme_boundaries(std::string_view text);

}  // namespace orvo::ui
