#include "platform/ui/launch_options.h"

#include <charconv>

namespace orvo::ui {

const std::string_view launch_usage =
    "options:\n"
    "  --scene NAME          open a start scene\n"
    "  --screenshot FILE.png render the first settled frame to FILE.png and exit\n"
    "  --a11y-dump FILE.json write the accessibility tree to FILE.json and exit\n"
    "  --input SCRIPT        apply input first: lines or ';'-separated steps, or @FILE\n"
    "  --scale S             text scale (default 1)\n";

namespace {

std::expected<double, std::string> parse_scale(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::unexpected("--scale needs a number, not \"" + std::string(text) + "\"");
  }
  return value;
}

}  // namespace

std::expected<LaunchOptions, std::string> parse_launch_options(std::span<const std::string_view> arguments) {
  LaunchOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view option = arguments[i];
    if (i + 1 >= arguments.size()) return std::unexpected("unknown option or missing value: " + std::string(option));
    const std::string value(arguments[++i]);
    if (option == "--scene") {
      options.scene = value;
    } else if (option == "--screenshot") {
      options.screenshot = value;
    } else if (option == "--a11y-dump") {
      options.a11y_dump = value;
    } else if (option == "--input") {
      options.input = value;
    } else if (option == "--scale") {
      auto scale = parse_scale(value);
      if (!scale) return std::unexpected(scale.error());
      options.text_scale = *scale;
    } else {
      return std::unexpected("unknown option: " + std::string(option));
    }
  }
  return options;
}

}  // namespace orvo::ui
