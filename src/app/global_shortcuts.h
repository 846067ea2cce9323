#pragma once

#include "platform/ui/event.h"
#include "state/mail_state.h"

namespace mail::app {

// What the shortcuts ask of the application beyond the state.
class ShortcutHost {
 public:
  virtual ~ShortcutHost() = default;
  virtual void open_shortcut_reference() = 0;
  virtual void refresh() = 0;
};

// The window's keyboard shortcuts, for key presses that reach them while the search
// field does not have the focus. True when the key did something.
bool handle_global_shortcut(state::MailState& state, const orvo::ui::KeyPress& key, ShortcutHost& host);

}  // namespace mail::app
