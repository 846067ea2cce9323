#include "draw/split_lines.h"

namespace mail::draw {

std::vector<std::string_view> split_lines(std::string_view body) {
  std::vector<std::string_view> lines;
  while (!body.empty()) {
    const std::size_t end = body.find('\n');
    std::string_view line = body.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    body.remove_prefix(end == std::string_view::npos ? body.size() : end + 1);
  }
  return lines;
}

}  // namespace mail::draw
