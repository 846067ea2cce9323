#include "platform/ui/fluent_pattern.h"

#include <algorithm>

namespace orvo::ui {
namespace {

std::string argument_text(const FluentVariable& variable, const std::vector<FluentArg>& args) {
  const auto arg = std::ranges::find(args, variable.name, &FluentArg::name);
  return arg != args.end() ? arg->value : "{$" + variable.name + "}";
}

}  // namespace

std::string format_pattern(const FluentPattern& pattern, const std::vector<FluentArg>& args) {
  std::string text;
  for (const FluentElement& element : pattern.elements) {
    if (const auto* literal = std::get_if<std::string>(&element)) {
      text += *literal;
    } else {
      text += argument_text(std::get<FluentVariable>(element), args);
    }
  }
  return text;
}

}  // namespace orvo::ui
