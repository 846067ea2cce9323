#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "engine/engine_worker.h"
#include "platform/accounts/sync_reporter.h"
#include "platform/storage/document.h"
#include "state/mail_state.h"

namespace mail::app {

// The application's side of the engine: sends requests, remembers which are
// pending, applies the events that answer them to the state and reports each
// account's sync status for other programs. A window without an engine (a start
// scene) drops every request.
class EngineLink {
 public:
  EngineLink(std::optional<engine::EngineHandle> handle, const std::optional<std::filesystem::path>& config_folder);

  [[nodiscard]] bool has_engine() const { return handle_.has_value(); }
  [[nodiscard]] bool busy() const { return !pending_.empty(); }

  // The request's id once it is pending; none without an engine or when the worker
  // is gone (then the status says so).
  std::optional<engine::RequestId> send(engine::EngineRequest request, state::MailState& state);

  // Remembers how the fetch `id` ends, for someone waiting on it.
  void watch_fetch(const engine::RequestId& id) { watched_fetches_[id] = std::nullopt; }
  void forget_fetch(const engine::RequestId& id) { watched_fetches_.erase(id); }
  // How a watched fetch ended, once it has: none for success, else the error shown.
  std::optional<std::optional<std::string>> take_fetch_outcome(const engine::RequestId& id);

  // Applies every event that has arrived, in order; fetched records are projected
  // into the mail document before they enter the store. True when there were any.
  bool apply_arrived_events(state::MailState& state, orvo::storage::Document& document);

 private:
  struct Pending {
    engine::RequestKind kind;
    std::string account;
  };

  void apply(engine::EngineEvent& event, const Pending& pending, state::MailState& state,
             orvo::storage::Document& document);
  void report(const std::string& account, orvo::accounts::SyncState sync_state) const;

  std::optional<engine::EngineHandle> handle_;
  std::optional<orvo::accounts::AccountSyncReporter> reporter_;
  std::map<engine::RequestId, Pending> pending_;
  void finish_fetch(const engine::RequestId& id, std::optional<std::string> error);

  std::map<engine::RequestId, std::optional<std::optional<std::string>>> watched_fetches_;
};

}  // namespace mail::app
