#include "platform/ui/qt/qt_events.h"

namespace orvo::ui::qt {
namespace {

Modifiers modifiers_from(Qt::KeyboardModifiers flags) {
  return {.shift = flags.testFlag(Qt::ShiftModifier),
          .ctrl = flags.testFlag(Qt::ControlModifier),
          .alt = flags.testFlag(Qt::AltModifier),
          .meta = flags.testFlag(Qt::MetaModifier)};
}

std::optional<Key> named_key(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Enter;
    case Qt::Key_Escape: return Key::Escape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return Key::Tab;
    case Qt::Key_Backspace: return Key::Backspace;
    case Qt::Key_Delete: return Key::Delete;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Home: return Key::Home;
    case Qt::Key_End: return Key::End;
    case Qt::Key_PageUp: return Key::PageUp;
    case Qt::Key_PageDown: return Key::PageDown;
    default: break;
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return static_cast<Key>(static_cast<int>(Key::F1) + key - Qt::Key_F1);
  return std::nullopt;
}

std::optional<PointerButton> button_from(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return PointerButton::Primary;
    case Qt::RightButton: return PointerButton::Secondary;
    case Qt::MiddleButton: return PointerButton::Middle;
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<KeyPress> key_press_from(const QKeyEvent& event) {
  KeyPress press{.modifiers = modifiers_from(event.modifiers())};
  if (auto key = named_key(event.key())) {
    press.key = *key;
    return press;
  }
  const QString text = event.text();
  if (!text.isEmpty() && text.front().isPrint()) {
    press.text = text.toStdString();
    return press;
  }
  // With Ctrl or Meta held Qt reports a control character; the key still names the letter.
  const int key = event.key();
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
    char letter = static_cast<char>(key);
    if (key >= Qt::Key_A && !press.modifiers.shift) letter = static_cast<char>(letter - 'A' + 'a');
    press.text = std::string(1, letter);
    return press;
  }
  return std::nullopt;
}

std::optional<Event> pointer_event_from(const QMouseEvent& event) {
  const Point position{event.position().x(), event.position().y()};
  switch (event.type()) {
    case QEvent::MouseMove: return PointerMove{position};
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (auto button = button_from(event.button())) {
        return PointerPress{position, *button, modifiers_from(event.modifiers())};
      }
      return std::nullopt;
    case QEvent::MouseButtonRelease:
      if (auto button = button_from(event.button())) return PointerRelease{position, *button};
      return std::nullopt;
    default: return std::nullopt;
  }
}

Wheel wheel_from(const QWheelEvent& event) {
  Wheel wheel{.position = {event.position().x(), event.position().y()}};
  if (!event.pixelDelta().isNull()) {
    wheel.unit = WheelUnit::Pixels;
    wheel.dx = event.pixelDelta().x();
    wheel.dy = event.pixelDelta().y();
  } else {
    wheel.dx = event.angleDelta().x() / 120.0;
    wheel.dy = event.angleDelta().y() / 120.0;
  }
  return wheel;
}

}  // namespace orvo::ui::qt
