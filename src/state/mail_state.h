#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/geometry.h"
#include "platform/ui/image_store.h"
#include "engine/account_config.h"
#include "state/account_entry.h"
#include "state/conversation_list.h"
#include "state/local_change.h"
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
  // Local changes not yet recorded in the mail document, oldest first.
  std::vector<LocalChange> unrecorded_changes;
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

  // The rows of the message list: the search results while the query is not blank,
  // else the conversations of the current folder. Computed once per store
  // revision, query and folder.
  [[nodiscard]] const std::vector<ListItem>& visible_list() const;

  // The settings requests for the current account carry; none without an account.
  [[nodiscard]] std::optional<engine::AccountConfig> current_account_config() const;

  // Selects the message, shows its folder, clears the search and marks it read.
  void open_message(const MessageId& id);
  // As `open_message`, but the read state stays as it is.
  void preview_message(const MessageId& id);
  // Only ids in the store; turns bulk mode on and adds or removes the id.
  void toggle_bulk_selection(const MessageId& id);
  // Shows another folder with its first conversation selected, and asks the server
  // for it when there is an account. `open_folder` also returns to the list.
  void switch_folder(FolderKind folder);
  void open_folder(FolderKind folder);
  // Asks the server for the current folder again, when there is an account.
  void queue_refresh();
  // Selects the first row of the list, or nothing when it is empty.
  void repair_selection();
  // Moves the selection by `rows` within the list, clamped to its ends.
  void move_selection(int rows);

  // Applies a change to the store, keeps it for the mail document and queues one
  // request per changed message for the current account. Returns the number of
  // messages changed.
  std::size_t apply(const LocalChange& change);
  void set_search_query(std::string query);
  void set_search_focus(bool focused);
  void queue(UiEffect effect);
  void set_status(std::string text);

 private:
  struct ListCache {
    std::uint64_t revision = 0;
    std::string query;
    FolderKind folder = FolderKind::Inbox;
    std::vector<ListItem> items;
  };

  bool select_for_reading(const MessageId& id);
  bool apply_to_store(const LocalChange& change, const MessageId& id);
  void queue_request(const LocalChange& change, const MessageRecord& before);

  mutable std::optional<ListCache> list_cache_;
};

}  // namespace mail::state
