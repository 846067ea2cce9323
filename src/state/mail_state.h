#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/geometry.h"
#include "platform/ui/image_store.h"
#include "state/account_entry.h"
#include "state/message_store.h"
#include "state/ui_effect.h"

namespace mail::state {

// What the window's last layout pass left for the panes to read.
struct LayoutMirror {
  bool compact = false;
  bool reader_shown = false;
  bool sidebar_shown = false;
  std::optional<orvo::ui::Rect> shell_control_rect;
};

// The mail data and the user's position in it, shared by the application object and
// its panes on the user-interface thread. Every mutation goes through an operation
// below and sets `changed`.
struct MailState {
  MailState(std::vector<AccountEntry> accounts, std::size_t current_account,
            std::shared_ptr<orvo::ui::ImageStore> images, message::Minutes clock);

  std::shared_ptr<orvo::ui::ImageStore> images;
  MessageStore store;
  std::vector<AccountEntry> accounts;
  std::size_t current_account = 0;
  std::vector<MessageId> bulk_selection;
  std::string search_query;
  std::vector<UiEffect> effects;
  std::optional<std::string> status;
  message::Minutes clock = 0;
  orvo::ui::Point pointer;
  std::optional<MessageId> selected;
  bool bulk_mode = false;
  bool preview = false;
  MessageId previewed;
  LayoutMirror layout;
  bool search_focused = false;
  bool search_focus_requested = false;
  bool document_primed = false;
  bool changed = false;
  FolderKind current_folder = FolderKind::Inbox;

  // Selects the message, shows its folder, clears the search and marks it read.
  void open_message(const MessageId& id);
  // As `open_message`, but the read state stays as it is.
  void preview_message(const MessageId& id);
  // Only ids in the store; turns bulk mode on and adds or removes the id.
  void toggle_bulk_selection(const MessageId& id);
  void set_search_query(std::string query);
  void set_search_focus(bool focused);
  void queue(UiEffect effect);
  void set_status(std::string text);

 private:
  bool select_for_reading(const MessageId& id);
};

}  // namespace mail::state
