#pragma once

#include <functional>

namespace orvo::ui::qt {

// What a wake-up does on the user-interface thread; set by the launcher.
void set_ui_wake_handler(std::function<void()> handler);

}  // namespace orvo::ui::qt
