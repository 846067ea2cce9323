#pragma once

#include <functional>
#include <memory>

#include "engine/mail_backend.h"
#include "platform/thread/channel.h"

namespace mail::engine {

// The application's end of the engine: requests go in, events come out.
struct EngineHandle {
  orvo::thread::Sender<EngineRequest> requests;
  orvo::thread::Receiver<EngineEvent> events;
};

// The worker loop: takes requests one at a time, in order, until every request
// sender is gone, and ends each with `Finished`. Events that nobody receives any
// more are dropped; the loop goes on.
void run_worker(MailBackend& backend, orvo::thread::Receiver<EngineRequest>& requests, const EventSender& events);

// Starts the detached "mail-engine" thread that owns `backend`. `on_event` runs on
// the worker after every event it sends, so the receiving side can wake at once.
EngineHandle spawn_engine_worker(std::unique_ptr<MailBackend> backend, std::function<void()> on_event);

}  // namespace mail::engine
