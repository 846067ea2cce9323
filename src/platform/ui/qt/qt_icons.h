#pragma once

#include <cstdint>

#include "platform/ui/icon.h"

namespace orvo::ui::qt {

// The icon's character in the "Material Icons" font.
std::uint16_t icon_codepoint(Icon icon);

}  // namespace orvo::ui::qt
