#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "platform/ui/geometry.h"

namespace orvo::ui {

// Named keys; anything that types a character arrives as `Character` with its text.
enum class Key : std::uint8_t {
  Character,
  Enter,
  Escape,
  Tab,
  Backspace,
  Delete,
  Up,
  Down,
  Left,
  Right,
  Home,
  End,
  PageUp,
  PageDown,
  F1,
  F2,
  F3,
  F4,
  F5,
  F6,
  F7,
  F8,
  F9,
  F10,
  F11,
  F12,
};

struct Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool meta = false;

  [[nodiscard]] bool any_command() const { return ctrl || alt || meta; }
  friend bool operator==(const Modifiers&, const Modifiers&) = default;
};

// `text` is what the key types ("x", "X", "?", " "); for a named key it is empty.
// With Ctrl, Alt or Meta held a letter key still reports its letter.
struct KeyPress {
  Key key = Key::Character;
  std::string text;
  Modifiers modifiers;
};

// Input-method composition: the text being composed, and the text committed by this step.
struct Composition {
  std::string preedit;
  std::string commit;
};

enum class PointerButton : std::uint8_t { Primary, Secondary, Middle };

struct PointerMove {
  Point position;
};

struct PointerPress {
  Point position;
  PointerButton button = PointerButton::Primary;
  Modifiers modifiers;
};

struct PointerRelease {
  Point position;
  PointerButton button = PointerButton::Primary;
};

enum class WheelUnit : std::uint8_t { Lines, Pixels };

// Positive deltas scroll towards the top (content moves down).
struct Wheel {
  Point position;
  double dx = 0;
  double dy = 0;
  WheelUnit unit = WheelUnit::Lines;
};

using Event = std::variant<KeyPress, Composition, PointerMove, PointerPress, PointerRelease, Wheel>;

enum class EventOutcome : std::uint8_t { Ignored, Handled };

// A named command sent by assistive technology or automation.
enum class SemanticKind : std::uint8_t { Invoke, Focus, Expand, Collapse, SetValue };

struct SemanticAction {
  std::string id;
  SemanticKind kind = SemanticKind::Invoke;
  std::string value;  // for SetValue
};

}  // namespace orvo::ui
