#pragma once

#include <string>
#include <variant>
#include <vector>

namespace orvo::ui {

// A `{ $name }` placeable: filled from the arguments when a message is formatted.
struct FluentVariable {
  std::string name;
  friend bool operator==(const FluentVariable&, const FluentVariable&) = default;
};

using FluentElement = std::variant<std::string, FluentVariable>;

// The value of one message: literal text and placeables, in order.
struct FluentPattern {
  std::vector<FluentElement> elements;
  friend bool operator==(const FluentPattern&, const FluentPattern&) = default;
};

struct FluentArg {
  std::string name;
  std::string value;
};

// The pattern with every placeable replaced by its argument; a placeable without an
// argument stays visible as "{$name}" so that the omission shows on screen.
std::string format_pattern(const FluentPattern& pattern, const std::vector<FluentArg>& args);

}  // namespace orvo::ui
