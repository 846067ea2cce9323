#include "app/engine_link.h"

#include <fmt/format.h>

#include "app/sync_report.h"
#include "doc/message_marks.h"
#include "platform/log/log.h"
#include "platform/variant/overloaded.h"

namespace mail::app {
namespace {

using orvo::accounts::SyncState;

constexpr std::string_view target = "mail::app";

std::string account_of(const engine::EngineRequest& request) {
  return std::visit(orvo::Overloaded{[](const engine::request::OAuthSignIn& sign_in) { return sign_in.account_key; },
                               [](const auto& other) { return other.account.email; }},
                    request);
}

// The kind of request an event can answer.
engine::RequestKind kind_of_event(const engine::EngineEvent& event) {
  return std::visit(orvo::Overloaded{[](const engine::event::Connected&) { return engine::RequestKind::Connect; },
                               [](const engine::event::FoldersListed&) { return engine::RequestKind::Connect; },
                               [](const engine::event::MessagesFetched&) { return engine::RequestKind::Sync; },
                               [](const engine::event::Sent&) { return engine::RequestKind::Send; },
                               [](const engine::event::SignedIn&) { return engine::RequestKind::OAuthSignIn; },
                               [](const engine::event::Failed& failed) { return failed.kind; },
                               [](const engine::event::Finished& finished) { return finished.kind; }},
                    event);
}

bool blank(std::string_view text) { return text.find_first_not_of(" \t\r\n") == std::string_view::npos; }

// Fetched messages enter the document (where local decisions win) and the store; the
// folder on screen gets a selection if it had none.
void take_fetched(engine::event::MessagesFetched& fetched, state::MailState& state, orvo::storage::Document& document) {
  for (message::MessageRecord& record : fetched.messages) {
    doc::project_message(document, record);
    state.store.insert(std::move(record));
  }
  if (fetched.folder == state.current_folder && !state.selected) state.repair_selection();
}

std::string fetched_status(const engine::event::MessagesFetched& fetched) {
  if (fetched.messages.empty()) return fmt::format("{} up to date", message::display_name(fetched.folder));
  return fmt::format("Synced {} messages", fetched.messages.size());
}

}  // namespace

EngineLink::EngineLink(std::optional<engine::EngineHandle> handle,
                       const std::optional<std::filesystem::path>& config_folder)
    : handle_(std::move(handle)) {
  if (config_folder) reporter_.emplace(*config_folder);
}

std::optional<engine::RequestId> EngineLink::send(engine::EngineRequest request, state::MailState& state) {
  if (!handle_) return std::nullopt;
  const engine::RequestId id = engine::id_of(request);
  Pending pending{engine::kind_of(request), account_of(request)};
  if (!handle_->requests.send(std::move(request))) {
    state.set_status("Mail worker is unavailable");
    return std::nullopt;
  }
  if (pending.kind == engine::RequestKind::Sync) report(pending.account, SyncState::Started);
  pending_.emplace(id, std::move(pending));
  return id;
}

bool EngineLink::apply_arrived_events(state::MailState& state, orvo::storage::Document& document) {
  if (!handle_) return false;
  std::vector<engine::EngineEvent> events = handle_->events.drain();
  for (engine::EngineEvent& event : events) {
    const engine::RequestId id = engine::id_of(event);
    const auto pending = pending_.find(id);
    if (pending == pending_.end() || kind_of_event(event) != pending->second.kind) {
      orvo::log::warn(target, "mail: ignoring unmatched or wrong-kind engine event", {{"request_id", id.to_string()}});
      continue;
    }
    apply(event, pending->second, state, document);
    if (std::holds_alternative<engine::event::Finished>(event)) pending_.erase(pending);
  }
  if (!events.empty()) state.changed = true;
  return !events.empty();
}

void EngineLink::apply(engine::EngineEvent& event, const Pending& pending, state::MailState& state,
                       orvo::storage::Document& document) {
  std::visit(
      orvo::Overloaded{
          [&](const engine::event::Connected& connected) {
            state.set_status("Connected " + connected.email);
            report(connected.email, SyncState::Started);
          },
          [&](const engine::event::FoldersListed& listed) {
            orvo::log::info(target, "mail: server folders listed", {{"count", std::to_string(listed.folders.size())}});
          },
          [&](engine::event::MessagesFetched& fetched) {
            state.set_status(fetched_status(fetched));
            take_fetched(fetched, state, document);
            finish_fetch(fetched.id, std::nullopt);
            report(fetched.email, SyncState::Succeeded);
          },
          [&](const engine::event::Sent& sent) { state.set_status(fmt::format("Delivered ({} bytes)", sent.bytes)); },
          [&](const engine::event::SignedIn& signed_in) {
            state.set_status("Signed in as " + signed_in.account_key);
            report(signed_in.account_key, SyncState::Succeeded);
          },
          [&](const engine::event::Failed& failed) {
            state.set_status(failed.operation + ": " + failed.error);
            if (failed.kind == engine::RequestKind::Sync) finish_fetch(failed.id, failed.operation + ": " + failed.error);
            report(pending.account, sync_state_for_failure(failed.error));
          },
          [](const engine::event::Finished&) {},
      },
      event);
}

std::optional<std::optional<std::string>> EngineLink::take_fetch_outcome(const engine::RequestId& id) {
  const auto found = watched_fetches_.find(id);
  if (found == watched_fetches_.end() || !found->second) return std::nullopt;
  std::optional<std::optional<std::string>> outcome = std::move(found->second);
  watched_fetches_.erase(found);
  return outcome;
}

void EngineLink::finish_fetch(const engine::RequestId& id, std::optional<std::string> error) {
  if (const auto watched = watched_fetches_.find(id); watched != watched_fetches_.end()) watched->second = std::move(error);
}

void EngineLink::report(const std::string& account, SyncState sync_state) const {
  if (!reporter_ || blank(account)) return;
  if (auto reported = reporter_->report(account, sync_state); !reported) {
    orvo::log::warn(target, "mail: could not persist sync status", {{"error", reported.error()}, {"account", account}});
  }
}

}  // namespace mail::app
