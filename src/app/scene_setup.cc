#include "app/scene_setup.h"

#include <algorithm>

#include "state/bulk_commands.h"

namespace mail::app {
namespace {

using state::MailState;

constexpr std::string_view newsletter_sender = "weekly@news.orvo.example";

void open_newsletter(MailState& state) {
  for (const message::MessageId& id : state.store.order()) {
    if (state.store.find(id)->from.address == newsletter_sender) {
      state.open_message(id);
      return;
    }
  }
}

void preview_first_unread(MailState& state) {
  const auto& list = state.visible_list();
  const auto unread = std::ranges::find_if(
      list, [&](const state::ListItem& item) { return !state.store.find(item.representative)->read; });
  if (unread != list.end()) state.preview_message(unread->representative);
}

// Every visible message goes to Trash in the local store only, stays selected, and
// the confirmation for deleting them for good opens.
void trash_visible_and_confirm(MailState& state) {
  std::vector<message::MessageId> visible;
  for (const state::ListItem& item : state.visible_list()) visible.push_back(item.representative);
  for (const message::MessageId& id : visible) state.store.move_to(id, message::FolderKind::Trash);
  state.bulk_mode = true;
  state.bulk_selection = visible;
  state.queue(state::effect::ConfirmPurge{});
}

void reply_to_first(MailState& state) {
  const auto& list = state.visible_list();
  if (!list.empty()) state.queue(state::effect::Reply{list.front().representative});
}

void open_menu_on_selection(MailState& state) {
  if (state.selected) state.queue(state::effect::ContextMenu{*state.selected, 790, 206});
}

}  // namespace

void apply_scene_setup(MailApp& app, std::string_view scene) {
  MailState& state = app.state();
  if (scene == "narrow_detail") {
    app.shell().set_detail_shown(true);
    app.request_snap();
  } else if (scene == "narrow_drawer") {
    if (app.shell().has_sidebar()) app.shell().set_sidebar_state(orvo::ui::NavShell::SidebarState::Open);
    app.request_snap();
  } else if (scene == "html_mail") {
    open_newsletter(state);
  } else if (scene == "search") {
    state.set_search_query("spatial");
    state.repair_selection();
  } else if (scene == "preview") {
    preview_first_unread(state);
  } else if (scene == "bulk") {
    state::select_all_visible(state);
  } else if (scene == "bulk_purge_confirmation") {
    trash_visible_and_confirm(state);
  } else if (scene == "reply") {
    reply_to_first(state);
  } else if (scene == "context_menu") {
    open_menu_on_selection(state);
  } else if (scene == "loading") {
    app.show_sync_running();
    state.set_status("Syncing Inbox\u2026");
  } else if (scene == "empty") {
    state.store.clear();
    state.selected.reset();
  } else if (scene == "offline") {
    state.set_status("You\u2019re offline \u00b7 Showing downloaded mail");
  }
  app.drain_effects();
}

}  // namespace mail::app
