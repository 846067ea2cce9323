#include "platform/ui/theme.h"

#include <algorithm>

namespace orvo::ui {

TextStyle Typography::style(int level) {
  switch (std::clamp(level, 0, 5)) {
    case 0: return {11, FontWeight::Regular};
    case 1: return {12.5, FontWeight::Regular};
    case 2: return {13.5, FontWeight::Regular};
    case 3: return {15, FontWeight::Semibold};
    case 4: return {18, FontWeight::Semibold};
    default: return {24, FontWeight::Semibold};
  }
}

Theme Theme::dark(double scale) {
  Theme theme;
  theme.colors = Colors{
      .window = Color::rgb(0x0f1115),
      .sidebar = Color::rgb(0x14171c),
      .surface = Color::rgb(0x181b21),
      .raised = Color::rgb(0x22262e),
      .hover = Color::rgb(0x20242b),
      .selection = Color::rgb(0x1f2d45),
      .border = Color::rgb(0x2a2f38),
      .text = Color::rgb(0xe8eaed),
      .text_muted = Color::rgb(0xa4abb6),
      .text_faint = Color::rgb(0x6f7784),
      .accent = Color::rgb(0x5b9cff),
      .on_accent = Color::rgb(0x0b1322),
      .accent_soft = Color::rgb(0x1c2a40),
      .star = Color::rgb(0xf5c451),
      .quote = Color::rgb(0x8fa3c7),
      .danger = Color::rgb(0xff6b6b),
      .scrim = Color::rgb(0x000000).with_alpha(0.5),
      .shadow = Color::rgb(0x000000).with_alpha(0.45),
      .avatars = {Color::rgb(0x5b9cff), Color::rgb(0x3fbf8f), Color::rgb(0xe0795b), Color::rgb(0xb283f2),
                  Color::rgb(0xe5b743), Color::rgb(0x4fb7d6), Color::rgb(0xe66a9c), Color::rgb(0x8fa86a)},
  };
  theme.row_inset *= scale;
  theme.line_gap *= scale;
  theme.control_inset *= scale;
  theme.corner_radius *= scale;
  theme.scale = scale;
  return theme;
}

ToastTone Theme::toast_tone(int tone) const {
  switch (tone) {
    case 0: return {colors.raised, colors.text, colors.accent};
    case 2: return {Color::rgb(0x2d2a1e), Color::rgb(0xf3e3b3), Color::rgb(0xe5b743)};
    case 3: return {Color::rgb(0x341e22), Color::rgb(0xffd6d6), colors.danger};
    default: return {colors.raised, colors.text, Color::rgb(0x3fbf8f)};
  }
}

}  // namespace orvo::ui
