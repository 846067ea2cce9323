#include "platform/ui/launch_options.h"

#include <charconv>

namespace orvo::ui {

const std::string_view launch_usage =
    "options:\n"
    "  --scene NAME          open a start scene\n"
    "  --screenshot FILE.png render the first settled frame to FILE.png and exit\n"
    "  --a11y-dump FILE.json write the accessibility tree to FILE.json and exit\n"
    "  --actions-dump FILE.json\n"
    "                        write the published actions to FILE.json and exit\n"
    "  --invoke ADDRESS      invoke the action at ADDRESS (RESOURCE#ACTION), print its\n"
    "                        result as JSON and exit\n"
    "  --args JSON           the invoked action's arguments, a JSON object (default {})\n"
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

std::expected<actions::ActionAddress, std::string> parse_action_address(std::string_view text) {
  auto address = actions::ActionAddress::parse(text);
  if (!address) return std::unexpected("--invoke: " + address.error());
  if (address->action.empty()) {
    return std::unexpected("--invoke needs the address of an action (RESOURCE#ACTION), not \"" + std::string(text) +
                           "\"");
  }
  return address;
}

// --invoke and --args may come in either order; the arguments belong to the invocation.
std::expected<std::optional<ActionRequest>, std::string> action_request(const std::optional<std::string>& address,
                                                                        const std::optional<std::string>& args) {
  if (!address) {
    if (args) return std::unexpected("--args needs --invoke");
    return std::nullopt;
  }
  auto parsed_address = parse_action_address(*address);
  if (!parsed_address) return std::unexpected(parsed_address.error());
  auto parsed_args = actions::ActionArgs::parse(args.value_or("{}"));
  if (!parsed_args) return std::unexpected("--args: " + parsed_args.error());
  return ActionRequest{std::move(*parsed_address), std::move(*parsed_args)};
}

}  // namespace

std::expected<LaunchOptions, std::string> parse_launch_options(std::span<const std::string_view> arguments) {
  LaunchOptions options;
  std::optional<std::string> invoke;
  std::optional<std::string> args;
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
    } else if (option == "--actions-dump") {
      options.actions_dump = value;
    } else if (option == "--invoke") {
      invoke = value;
    } else if (option == "--args") {
      args = value;
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
  auto request = action_request(invoke, args);
  if (!request) return std::unexpected(request.error());
  options.invoke = std::move(*request);
  return options;
}

}  // namespace orvo::ui
