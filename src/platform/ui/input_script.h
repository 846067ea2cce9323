#pragma once

#include <chrono>
#include <expected>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/ui/event.h"

namespace orvo::ui {

struct Pause {
  std::chrono::milliseconds duration;
};

using ScriptStep = std::variant<Event, SemanticAction, Pause>;

// A scripted session, one step per line or per ';' ("\;" is a literal semicolon):
//   key [Shift+][Ctrl+][Alt+][Meta+]NAME   a named key (Enter, Escape, Tab, Backspace, Delete,
//                                          Up, Down, Left, Right, Home, End, PageUp, PageDown,
//                                          F1–F12, Space) or one character ("?", "x")
//   type TEXT                              one key press per character
//   compose TEXT / commit TEXT             input-method composition
//   move X Y / click X Y [right] / press X Y [right] / release X Y
//   wheel X Y DY [DX] [pixels]             positive DY scrolls up; lines unless "pixels"
//   action ID [invoke|focus|expand|collapse|set VALUE]
//   wait MS
std::expected<std::vector<ScriptStep>, std::string> parse_input_script(std::string_view script);

}  // namespace orvo::ui
