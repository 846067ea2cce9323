#include "engine/live/live_backend.h"

#include <fmt/format.h>

#include <array>
#include <string_view>
#include <utility>

#include "engine/live/credentials.h"
#include "engine/live/curl_token_endpoint.h"
#include "engine/live/fetch_messages.h"
#include "engine/live/list_folders.h"
#include "engine/live/message_mutations.h"
#include "engine/live/open_session.h"
#include "engine/live/oauth_provider.h"
#include "engine/oauth_tokens.h"

namespace mail::engine::live {
namespace {

// Named in the failures the user sees, in the order of RequestKind.
constexpr std::array<std::string_view, 7> operation_names{"connect", "fetch", "flag", "move", "purge", "smtp", "oauth"};

std::string operation_name(RequestKind kind) { return std::string(operation_names.at(static_cast<std::size_t>(kind))); }

// Records cross the channel by move: a fetch can carry fifty whole messages.
template <class... Events>
std::vector<EngineEvent> events_of(Events&&... events) {
  std::vector<EngineEvent> list;
  list.reserve(sizeof...(events));
  (list.emplace_back(std::forward<Events>(events)), ...);
  return list;
}

// Changes on the server report nothing of their own on success.
std::expected<std::vector<EngineEvent>, std::string> without_events(const std::expected<void, std::string>& done) {
  if (!done) return std::unexpected(done.error());
  return {};
}

}  // namespace

std::expected<std::unique_ptr<LiveBackend>, std::string> LiveBackend::create(LiveBackendOptions options) {
  auto runtime = orvo::net::Runtime::create(2);
  if (!runtime) return std::unexpected(runtime.error());
  auto tls = options.extra_trust_anchor ? orvo::net::TlsConfig::with_extra_trust_anchor(*options.extra_trust_anchor)
                                        : orvo::net::TlsConfig::create();
  if (!tls) return std::unexpected(tls.error());
  if (!options.token_endpoint) options.token_endpoint = std::make_shared<CurlTokenEndpoint>();
  return std::unique_ptr<LiveBackend>(new LiveBackend(std::move(*runtime), std::move(*tls), std::move(options)));
}

LiveBackend::LiveBackend(std::unique_ptr<orvo::net::Runtime> runtime, orvo::net::TlsConfig tls,
                         LiveBackendOptions options)
    : runtime_(std::move(runtime)), tls_(std::move(tls)), options_(std::move(options)) {}

void LiveBackend::handle(EngineRequest request, const EventSender& events) {
  const RequestId id = id_of(request);
  const RequestKind kind = kind_of(request);
  Answer answered = std::visit([this](auto& variant) { return answer(variant); }, request);
  if (!answered) {
    events.send(event::Failed{id, kind, operation_name(kind), std::move(answered.error())});
    return;
  }
  for (EngineEvent& event : *answered) events.send(std::move(event));
}

// Credentials are resolved before any connection, so that a missing password or an
// expired sign-in is reported without touching the network.
template <class Work>
auto LiveBackend::with_session(const AccountConfig& account, Work work) {
  using Result = decltype(work(std::declval<ImapSession&>()));
  const auto credentials = resolve_credentials(account, {options_.vault_folder, *options_.token_endpoint});
  if (!credentials) return Result(std::unexpect, credentials.error());
  const ServerAccess access{*runtime_, tls_, {.idle = options_.idle_timeout}, options_.observer};
  return in_session(access, account, *credentials, work);
}

LiveBackend::Answer LiveBackend::answer(request::Connect& connect) {
  auto folders = with_session(connect.account, list_folders);
  if (!folders) return std::unexpected(folders.error());
  return events_of(event::Connected{connect.id, connect.account.email},
                   event::FoldersListed{connect.id, connect.account.email, std::move(*folders)});
}

LiveBackend::Answer LiveBackend::answer(request::Sync& sync) {
  const auto sync_start = static_cast<message::Minutes>(unix_seconds(std::chrono::system_clock::now()) / 60);
  auto records = with_session(sync.account,
                              [&](ImapSession& session) { return fetch_messages(session, sync.folder, sync_start); });
  if (!records) return std::unexpected(records.error());
  return events_of(event::MessagesFetched{sync.id, sync.folder, sync.account.email, std::move(*records)});
}

LiveBackend::Answer LiveBackend::answer(request::SetFlags& change) {
  return without_events(
      with_session(change.account, [&](ImapSession& session) { return set_flags(session, change.message); }));
}

LiveBackend::Answer LiveBackend::answer(request::Move& change) {
  return without_events(with_session(
      change.account, [&](ImapSession& session) { return move_message(session, change.message, change.destination); }));
}

LiveBackend::Answer LiveBackend::answer(request::Purge& change) {
  return without_events(
      with_session(change.account, [&](ImapSession& session) { return purge_message(session, change.message); }));
}

LiveBackend::Answer LiveBackend::answer(request::Send&) {
  return std::unexpected("SMTP submission is not available yet");
}

LiveBackend::Answer LiveBackend::answer(request::OAuthSignIn& sign_in) {
  if (!configured_client_id(sign_in.provider)) {
    return std::unexpected(fmt::format("set {} to sign in", client_id_variable(sign_in.provider)));
  }
  return std::unexpected("browser sign-in is not available yet");
}

}  // namespace mail::engine::live
