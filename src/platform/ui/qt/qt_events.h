#pragma once

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <optional>

#include "platform/ui/event.h"

namespace orvo::ui::qt {

std::optional<KeyPress> key_press_from(const QKeyEvent& event);
std::optional<Event> pointer_event_from(const QMouseEvent& event);
Wheel wheel_from(const QWheelEvent& event);

}  // namespace orvo::ui::qt
