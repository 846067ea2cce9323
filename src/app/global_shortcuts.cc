#include "app/global_shortcuts.h"

#include <cctype>

#include "state/bulk_commands.h"
#include "state/message_commands.h"

namespace mail::app {
namespace {

using orvo::ui::Key;
using orvo::ui::KeyPress;
using state::MailState;
using state::MessageCommand;

// A letter matches in either case and only without Ctrl, Alt or Meta.
bool is_letter(const KeyPress& key, char letter) {
  return key.key == Key::Character && key.text.size() == 1 && !key.modifiers.any_command() &&
         std::tolower(static_cast<unsigned char>(key.text[0])) == letter;
}

// Ctrl or Cmd (Meta) with a letter, as in Ctrl-F.
bool is_command_letter(const KeyPress& key, char letter) {
  return key.key == Key::Character && key.text.size() == 1 && (key.modifiers.ctrl || key.modifiers.meta) &&
         !key.modifiers.alt && std::tolower(static_cast<unsigned char>(key.text[0])) == letter;
}

bool list_visible(const MailState& state) {
  return !state.layout.compact || (!state.layout.reader_shown && !state.layout.sidebar_shown);
}

void report_bulk(MailState& state, std::size_t count, const std::string& verb, const std::string& tail = "") {
  if (count > 0) state.set_status(verb + " " + state::messages_phrase(count) + tail);
}

bool on_selected(MailState& state, MessageCommand command) {
  if (!state.selected) return false;
  state::run_message_command(state, command, *state.selected);
  return true;
}

bool handle_delete(MailState& state, const KeyPress& key) {
  if (key.modifiers.shift) {
    if (!state.bulk_mode) return false;
    state.queue(state::effect::ConfirmPurge{});
    return true;
  }
  if (state.bulk_mode) {
    report_bulk(state, state::bulk_move_to_trash(state), "Moved", " to Trash");
    return true;
  }
  return on_selected(state, MessageCommand::Delete);
}

bool handle_named_key(MailState& state, const KeyPress& key, ShortcutHost& host) {
  switch (key.key) {
    case Key::Enter:
      if (state.bulk_mode || !list_visible(state) || !state.selected) return false;
      state.open_message(*state.selected);
      return true;
    case Key::Down: state.move_selection(1); return true;
    case Key::Up: state.move_selection(-1); return true;
    case Key::Delete:
    case Key::Backspace: return handle_delete(state, key);
    case Key::Escape:
      if (!state.bulk_mode) return false;
      state::toggle_bulk_mode(state);
      return true;
    case Key::F5: host.refresh(); return true;
    default: return false;
  }
}

bool handle_letter(MailState& state, const KeyPress& key) {
  if (is_letter(key, 'x')) {
    state::toggle_bulk_mode(state);
  } else if (is_letter(key, 'c')) {
    state.queue(state::effect::ComposeNew{});
  } else if (is_letter(key, 'p')) {
    if (state.bulk_mode || !state.selected) return false;
    state.preview_message(*state.selected);
    state.set_status("Previewing without changing this message\u2019s read state");
  } else if (is_letter(key, 'e')) {
    if (!state.bulk_mode) return on_selected(state, MessageCommand::Archive);
    report_bulk(state, state::bulk_archive(state), "Archived");
  } else if (is_letter(key, 's')) {
    return on_selected(state, MessageCommand::ToggleStar);
  } else if (is_letter(key, 'r')) {
    return on_selected(state, MessageCommand::Reply);
  } else if (is_letter(key, 'u')) {
    if (!state.bulk_mode) {
      if (!state.selected) return false;
      state.apply({.kind = state::LocalChange::Kind::SetRead, .ids = {*state.selected}, .value = false});
      return true;
    }
    report_bulk(state, state::bulk_set_read(state, false), "Marked", " unread");
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool handle_global_shortcut(MailState& state, const KeyPress& key, ShortcutHost& host) {
  if (key.key != Key::Character) return handle_named_key(state, key, host);
  if (key.text == "?") {
    host.open_shortcut_reference();
    return true;
  }
  if (key.text == "/" || is_command_letter(key, 'f')) {
    state.search_focus_requested = true;
    state.changed = true;
    return true;
  }
  if (is_command_letter(key, 'a')) {
    if (!list_visible(state)) return false;
    state::select_all_visible(state);
    return true;
  }
  return handle_letter(state, key);
}

}  // namespace mail::app
