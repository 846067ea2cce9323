#pragma once

#include <string_view>
#include <vector>

namespace mail::draw {

// The lines of a text body without their "\n" or "\r\n" ends. A final line end closes
// the last line rather than opening an empty one, so "" and "a\n" give no and one line.
[[nodiscard]] std::vector<std::string_view> split_lines(std::string_view body);

}  // namespace mail::draw
