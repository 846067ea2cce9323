#pragma once

#include <string>
#include <string_view>

#include "platform/ui/canvas.h"

namespace orvo::ui {

// A circular picture of a person or account: up to two initials on a coloured disc.
struct Avatar {
  // "Ada Lovelace" gives "AL", "ada@example.com" gives "A", "" gives "?".
  static std::string initials(std::string_view label);

  static void paint(Canvas& canvas, Point center, double radius, std::string_view label, Color background,
                    Color text);
};

}  // namespace orvo::ui
