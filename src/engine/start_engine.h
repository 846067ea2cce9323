#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "engine/engine_worker.h"

namespace mail::engine {

// Starts the mail engine with the best backend this build has. Attachments of drafts
// come from the content store under `content_root`; `on_event` runs on the worker
// after every event, so the user-interface thread can wake at once.
EngineHandle start_engine(const std::optional<std::filesystem::path>& content_root, std::function<void()> on_event);

}  // namespace mail::engine
