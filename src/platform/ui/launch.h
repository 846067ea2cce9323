#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/app.h"
#include "platform/ui/geometry.h"
#include "platform/ui/widget.h"

namespace orvo::ui {

// What the launcher knows about this run when it asks for the root.
struct LaunchContext {
  std::optional<std::string> scene;
};

struct LauncherFlags {
  bool resizable = true;
  bool always_on_top = false;
  bool quit_on_last_window_closed = true;
  bool high_dpi = true;
};

struct LaunchDescription {
  std::string app_id;
  std::vector<std::string> scenes;
  std::function<std::unique_ptr<Widget>()> make_root;
  std::function<std::unique_ptr<Widget>(const LaunchContext&)> make_scene_root;
  std::function<void(App&)> setup;
  std::function<Size(const LaunchContext&)> window_size;
  // Asked when the user closes the window; false keeps it open.
  std::function<bool()> may_close;
  LauncherFlags flags;
};

namespace launch {

// Reads the launcher's own options from the command line, builds the root and runs
// the window (or renders headless captures), then ends the process.
[[noreturn]] void run_or_exit(LaunchDescription description, int argc, char** argv);

}  // namespace launch
}  // namespace orvo::ui
