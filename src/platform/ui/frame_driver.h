#pragma once

#include <expected>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/widget.h"

namespace orvo::ui {

// Runs the frame steps of one root widget: sync, layout, input, drawing into an
// offscreen image. The window shows that image; headless captures save it.
// Needs a running graphics runtime (the launcher's or a `GuiSession`).
class FrameDriver {
 public:
  FrameDriver(Widget& root, Size window, double text_scale);
  ~FrameDriver();
  FrameDriver(const FrameDriver&) = delete;
  FrameDriver& operator=(const FrameDriver&) = delete;

  void set_window_size(Size window);
  [[nodiscard]] Size window_size() const;
  [[nodiscard]] FrameContext context();

  void sync();
  void layout();
  EventOutcome dispatch(const Event& event);
  bool perform(const SemanticAction& action);
  // Draws a frame at `device_pixel_ratio` and clears the root's dirty flag.
  void render(double device_pixel_ratio = 1);

  // Nothing left to do until input or the next wake-up instant.
  [[nodiscard]] bool settled() const;
  [[nodiscard]] Widget& root() { return root_; }

  [[nodiscard]] std::expected<void, std::string> save_png(const std::filesystem::path& path) const;

  struct Impl;
  [[nodiscard]] Impl& impl() { return *impl_; }

 private:
  Widget& root_;
  std::unique_ptr<Impl> impl_;
};

}  // namespace orvo::ui
