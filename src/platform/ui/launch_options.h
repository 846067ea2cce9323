#pragma once

#include <expected>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvo::ui {

// The launcher's own command-line options (the program has none of its own).
struct LaunchOptions {
  std::optional<std::string> scene;
  std::optional<std::filesystem::path> screenshot;
  std::optional<std::filesystem::path> a11y_dump;
  std::optional<std::string> input;  // an input script, or "@FILE" to read one
  double text_scale = 1;

  [[nodiscard]] bool headless_capture() const { return screenshot || a11y_dump; }
};

std::expected<LaunchOptions, std::string> parse_launch_options(std::span<const std::string_view> arguments);

extern const std::string_view launch_usage;

}  // namespace orvo::ui
