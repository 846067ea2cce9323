#pragma once

#include <memory>

#include "platform/ui/portal.h"

namespace orvo::ui::qt {

// The desktop's chooser: Qt's own file dialog, shown on the user-interface thread
// while the picker's thread waits for it. Without a display, or without the widget
// runtime, it answers with an error at once instead of waiting for nothing.
std::shared_ptr<portal::Chooser> make_dialog_chooser();

}  // namespace orvo::ui::qt
