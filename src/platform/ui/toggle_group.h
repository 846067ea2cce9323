#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/canvas.h"
#include "platform/ui/theme.h"

namespace orvo::ui {

// A segmented choice: one of `labels`, side by side in equal segments of `rect`.
struct ToggleGroup {
  std::vector<std::string> labels;
  std::size_t selected = 0;
  Rect rect;

  [[nodiscard]] Rect segment_rect(std::size_t index) const;
  [[nodiscard]] std::optional<std::size_t> segment_at(Point point) const;
  // The segment under `pointer` is hovered.
  void paint(Canvas& canvas, const Theme& theme, Point pointer) const;
};

}  // namespace orvo::ui
