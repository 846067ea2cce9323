#pragma once

#include <expected>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/actions/action_address.h"
#include "platform/actions/action_args.h"

namespace orvo::ui {

// One published action to invoke headlessly, and its arguments.
struct ActionRequest {
  actions::ActionAddress address;
  actions::ActionArgs args;
};

// The launcher's own command-line options (the program has none of its own).
struct LaunchOptions {
  std::optional<std::string> scene;
  std::optional<std::filesystem::path> screenshot;
  std::optional<std::filesystem::path> a11y_dump;
  std::optional<std::filesystem::path> actions_dump;
  std::optional<ActionRequest> invoke;
  std::optional<std::string> input;  // an input script, or "@FILE" to read one
  double text_scale = 1;

  [[nodiscard]] bool headless_capture() const { return screenshot || a11y_dump || actions_dump || invoke; }
};

std::expected<LaunchOptions, std::string> parse_launch_options(std::span<const std::string_view> arguments);

extern const std::string_view launch_usage;

}  // namespace orvo::ui
