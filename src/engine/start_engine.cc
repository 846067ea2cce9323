#include "engine/start_engine.h"

#include <expected>

#include "engine/live/live_backend.h"
#include "engine/offline_backend.h"
#include "platform/log/log.h"

namespace mail::engine {
namespace {

std::expected<std::unique_ptr<MailBackend>, std::string> build_live_backend() {
  auto backend = live::LiveBackend::create();
  if (!backend) return std::unexpected(backend.error());
  return std::move(*backend);
}

}  // namespace

EngineHandle start_engine(const std::optional<std::filesystem::path>& content_root, std::function<void()> on_event) {
  auto backend = build_live_backend();
  if (!backend) {
    orvo::log::warn("mail::engine", "mail: live engine unavailable, using offline backend", {{"error", backend.error()}});
    backend = std::make_unique<OfflineBackend>(content_root ? orvo::storage::BlobStore(*content_root)
                                                            : orvo::storage::BlobStore::nowhere());
  }
  return spawn_engine_worker(std::move(*backend), std::move(on_event));
}

}  // namespace mail::engine
