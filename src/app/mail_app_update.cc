#include "app/mail_app.h"

#include <chrono>

#include "actions/mail_action_handler.h"
#include "actions/local_change_action.h"
#include "doc/apply_to_store.h"
#include "doc/current_draft.h"
#include "doc/draft_mirror.h"
#include "doc/message_marks.h"
#include "platform/log/log.h"
#include "platform/variant/overloaded.h"
#include "state/account_list.h"
#include "state/bulk_commands.h"
#include "state/message_commands.h"

namespace mail::app {
namespace {

using std::chrono::minutes;

constexpr message::Minutes refresh_interval_minutes = 4;

message::Minutes current_minute() {
  const auto since_epoch = std::chrono::system_clock::now().time_since_epoch();
  return std::max<message::Minutes>(0, std::chrono::duration_cast<minutes>(since_epoch).count());
}

}  // namespace

void MailApp::sync(const orvo::ui::FrameContext& context) {
  if (engine_.apply_arrived_events(*state_, document_)) dirty_ = true;
  poll_attachment_save();
  if (status_expiry_.expired(state_->status, context.now)) {
    state_->status.reset();
    state_->changed = true;
  }
  reconcile_document();
  connect_once();
  refresh_when_due();
  save_current_account();
  drain_effects();
  search_catalog_.refresh(*state_);
  shell_->sync(context);
}

// Local decisions win over what the engine delivered: once every stored message is
// known to the document, the document's marks and deletions are laid over the store,
// and a draft being written shows in Drafts.
void MailApp::reconcile_document() {
  if (!document_primed_) {
    for (const message::MessageId& id : state_->store.order()) doc::project_message(document_, *state_->store.find(id));
    document_primed_ = true;
    state_->document_primed = true;
  }
  const std::pair<std::uint64_t, std::uint64_t> now_at{document_.heads(), state_->store.revision()};
  if (reconciled_at_ == now_at) return;
  doc::apply_to_store(document_, state_->store);
  const message::DraftData draft = doc::read_draft(document_);
  if (const auto account = state_->current_account_config()) {
    const message::Contact sender{account->email, account->display_name.empty()
                                                      ? std::nullopt
                                                      : std::optional(account->display_name)};
    draft_in_store_ = doc::mirror_draft(document_, state_->store, draft, sender, state_->clock, draft_in_store_);
  }
  commit_document();
  reconciled_at_ = {document_.heads(), state_->store.revision()};
}

// Each local change becomes one mail action on the document, as other programs'
// actions do.
void MailApp::record_local_changes() {
  actions::MailTransport transport(document_);
  for (const state::LocalChange& change : std::exchange(state_->unrecorded_changes, {})) {
    if (auto recorded = actions::record_mail_action(own_registry_, transport, actions::to_mail_action(change));
        !recorded) {
      orvo::log::warn("mail::app", "mail: could not record a change in the mail document",
                      {{"error", recorded.error().message}});
    }
  }
  commit_document();
}

void MailApp::commit_document() {
  if (auto committed = document_.commit(); !committed) {
    orvo::log::warn("mail::app", "mail: could not save the mail document", {{"error", committed.error()}});
  }
}

// The account the user moved to becomes the store's active account; a failure is
// shown and the save tried again on the next update.
void MailApp::save_current_account() {
  if (state_->current_account >= state_->accounts.size()) return;
  const std::string& id = state_->accounts[state_->current_account].id;
  if (saved_account_id_ == id) return;
  if (auto saved = state::save_account_list(location_.folder, {state_->accounts, state_->current_account}); !saved) {
    state_->set_status("Selected account, but could not save that preference: " + saved.error());
    return;
  }
  saved_account_id_ = id;
}

// On the first update with an account and an engine: log in, then fetch the Inbox.
void MailApp::connect_once() {
  if (std::exchange(connected_once_, true)) return;
  const auto account = state_->current_account_config();
  if (!account || !engine_.has_engine()) return;
  engine_.send(engine::request::Connect{engine::RequestId::generate(), *account}, *state_);
  engine_.send(engine::request::Sync{engine::RequestId::generate(), *account, message::FolderKind::Inbox}, *state_);
  state_->set_status("Syncing\u2026");
}

// The current folder is fetched again when more than four minutes have passed
// since the last refresh and nothing is pending.
void MailApp::refresh_when_due() {
  if (!engine_.has_engine()) return;
  state_->clock = current_minute();
  if (engine_.busy() || state_->accounts.empty()) return;
  if (last_refresh_ == 0) {
    last_refresh_ = state_->clock;
  } else if (state_->clock - last_refresh_ > refresh_interval_minutes) {
    refresh_current_folder();
  }
}

bool MailApp::refresh_current_folder() {
  const auto account = state_->current_account_config();
  if (!account || !engine_.has_engine()) return false;
  const auto sent = engine_.send(
      engine::request::Sync{engine::RequestId::generate(), *account, state_->current_folder}, *state_);
  if (!sent) return false;
  last_refresh_ = state_->clock;
  state_->set_status("Syncing\u2026");
  dirty_ = true;
  return true;
}

void MailApp::drain_effects() {
  while (!state_->effects.empty()) {
    std::vector<state::UiEffect> effects = std::exchange(state_->effects, {});
    for (state::UiEffect& effect : effects) apply_effect(effect);
  }
  record_local_changes();
}

// Effects whose parts are not part of the window yet (composer, setup form) only
// close what they would cover.
void MailApp::apply_effect(state::UiEffect& effect) {
  const auto message_exists = [&](const message::MessageId& id) { return state_->store.find(id) != nullptr; };
  std::visit(orvo::Overloaded{
                 [&](const state::effect::ShowReader&) { shell_->set_detail_shown(true); },
                 [&](const state::effect::ShowList&) { shell_->set_detail_shown(false); },
                 [&](const state::effect::CloseDrawer&) {
                   if (shell_->has_sidebar() && shell_->drawer_open()) {
                     shell_->set_sidebar_state(orvo::ui::NavShell::SidebarState::Automatic);
                   }
                 },
                 [&](const state::effect::ComposeNew&) { context_menu_.reset(); },
                 [&](const state::effect::Reply& reply) {
                   if (message_exists(reply.id)) context_menu_.reset();
                 },
                 [&](const state::effect::ReplyAll& reply) {
                   if (message_exists(reply.id)) context_menu_.reset();
                 },
                 [&](const state::effect::Forward& forward) {
                   if (message_exists(forward.id)) context_menu_.reset();
                 },
                 [&](const state::effect::EditDraft& draft) {
                   if (message_exists(draft.id)) context_menu_.reset();
                 },
                 [&](const state::effect::ContextMenu& menu) {
                   context_menu_ = ContextMenu::open_for(*state_, menu.id, {menu.x, menu.y});
                 },
                 [&](const state::effect::SaveAttachment& save) {
                   if (auto started = begin_attachment_save(save.id, save.index); !started) {
                     state_->set_status(started.error());
                   }
                 },
                 [&](state::effect::Request& request) { engine_.send(std::move(request.request), *state_); },
                 [&](const state::effect::Status& status) { state_->set_status(status.text); },
                 [&](const state::effect::ConfirmPurge&) { open_purge_confirmation(); },
                 [](const auto&) {},
             },
             effect);
  dirty_ = true;
}

std::expected<void, std::string> MailApp::begin_attachment_save(const message::MessageId& id, std::size_t index) {
  const bool another_running = attachment_save_.has_value() || (save_operation_ && !save_operation_->outcome);
  auto started = compose::begin_save(state_->store, id, index, another_running);
  if (!started) return std::unexpected(started.error());
  attachment_save_ = std::move(*started);
  state_->set_status("Choose where to save the attachment");
  return {};
}

// The picker answers on its own thread; its answer is taken here, on the next update.
void MailApp::poll_attachment_save() {
  if (!attachment_save_) return;
  auto polled = attachment_save_->picker.poll();
  if (std::holds_alternative<orvo::thread::Pending>(polled)) return;
  std::optional<orvo::ui::portal::SaveAnswer> answer;
  if (auto* given = std::get_if<orvo::ui::portal::SaveAnswer>(&polled)) answer = std::move(*given);
  compose::SaveOutcome outcome = compose::finish_save(attachment_save_->pending, std::move(answer));
  state_->set_status(outcome.status);
  if (save_operation_ && !save_operation_->outcome) save_operation_->outcome = std::move(outcome);
  attachment_save_.reset();
  dirty_ = true;
}

void MailApp::open_purge_confirmation() {
  const auto check = state::check_purge(*state_);
  if (const auto* refused = std::get_if<state::PurgeRefused>(&check)) {
    state_->set_status(refused->status);
    return;
  }
  purge_confirmation_.emplace(std::get<state::PurgeReady>(check).count);
}

void MailApp::confirm_purge() {
  purge_confirmation_.reset();
  const std::size_t purged = state::purge_bulk_selection(*state_);
  if (purged == 0) {
    state_->set_status("Nothing was deleted; the selected messages changed before confirmation");
  } else {
    state_->set_status("Permanently deleted " + std::to_string(purged) + " trashed message" + (purged == 1 ? "" : "s"));
  }
  drain_effects();
  dirty_ = true;
}

void MailApp::choose_menu_item(std::size_t index) {
  const ContextMenu menu = *std::exchange(context_menu_, std::nullopt);
  if (!state::run_message_command(*state_, menu.items().at(index), menu.message())) {
    state_->set_status("That message is no longer available.");
  }
  drain_effects();
}

}  // namespace mail::app
