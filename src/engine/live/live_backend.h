#pragma once

#include <chrono>
#include <expected>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/live/imap_session.h"
#include "engine/live/token_endpoint.h"
#include "engine/mail_backend.h"
#include "platform/net/runtime.h"
#include "platform/net/tls_config.h"

namespace mail::engine::live {

// How a LiveBackend reaches the world. The defaults are the real ones; tests point
// them at servers of their own.
struct LiveBackendOptions {
  // A CA trusted besides the system's roots: how a test trusts its local servers.
  std::optional<std::filesystem::path> extra_trust_anchor;
  // The longest any wait for a server may last.
  std::chrono::milliseconds idle_timeout = std::chrono::seconds(120);
  // The secret vault's folder; none for the configuration root.
  std::optional<std::filesystem::path> vault_folder;
  // Where expired OAuth tokens are refreshed; none for the providers' own endpoints.
  std::shared_ptr<TokenEndpoint> token_endpoint;
  // Sees the commands of every operation.
  CommandObserver observer;
};

// Serves requests against the account's IMAP server: each resolves its credentials,
// opens a session of its own, and ends it with LOGOUT.
class LiveBackend final : public MailBackend {
 public:
  static std::expected<std::unique_ptr<LiveBackend>, std::string> create(LiveBackendOptions options = {});

  void handle(EngineRequest request, const EventSender& events) override;

 private:
  using Answer = std::expected<std::vector<EngineEvent>, std::string>;

  LiveBackend(std::unique_ptr<orvo::net::Runtime> runtime, orvo::net::TlsConfig tls, LiveBackendOptions options);

  Answer answer(request::Connect& connect);
  Answer answer(request::Sync& sync);
  Answer answer(request::SetFlags& change);
  Answer answer(request::Move& change);
  Answer answer(request::Purge& change);
  Answer answer(request::Send& send);
  Answer answer(request::OAuthSignIn& sign_in);

  template <class Work>
  auto with_session(const AccountConfig& account, Work work);

  std::unique_ptr<orvo::net::Runtime> runtime_;
  orvo::net::TlsConfig tls_;
  LiveBackendOptions options_;
};

}  // namespace mail::engine::live
