#pragma once

#include <expected>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/fluent_pattern.h"

namespace orvo::ui {

struct FluentMessage {
  std::string key;
  FluentPattern pattern;
};

// Reads the part of the Fluent syntax that the program's resources use: one-line
// messages "key = value" whose values may hold `{ $variable }` placeables, comment
// lines starting with "#", "##" or "###", and blank lines. Anything else (multi-line
// values, attributes, terms, selectors) is refused with the line it appears on,
// rather than shown half-read.
std::expected<std::vector<FluentMessage>, std::string> parse_fluent(std::string_view resource);

}  // namespace orvo::ui
