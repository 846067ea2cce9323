#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ui/canvas.h"
#include "platform/ui/icon.h"
#include "platform/ui/theme.h"

namespace orvo::ui {

enum class ButtonTone : std::uint8_t { Normal = 0, Primary = 1, Danger = 2 };

struct ButtonState {
  bool hovered = false;
  bool pressed = false;
};

// What a button shows: a label with an optional icon before it, coloured by its
// tone. It is drawn into whatever rectangle its owner gives it.
struct ButtonFace {
  std::string label;
  std::optional<Icon> icon;
  ButtonTone tone = ButtonTone::Normal;

  // Wide enough for the whole label and icon with the usual padding.
  [[nodiscard]] double natural_width(const TextRenderer& text) const;
  void paint(Canvas& canvas, const Rect& rect, const Theme& theme, ButtonState state = {}) const;

 private:
  [[nodiscard]] double content_width(const TextRenderer& text) const;
};

}  // namespace orvo::ui
