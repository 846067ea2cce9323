#include "engine/engine_worker.h"

#include <pthread.h>

#include <cstdio>
#include <cstdlib>
#include <system_error>
#include <thread>

namespace mail::engine {

void run_worker(MailBackend& backend, orvo::thread::Receiver<EngineRequest>& requests, const EventSender& events) {
  while (std::optional<EngineRequest> request = requests.receive()) {
    const RequestKind kind = kind_of(*request);
    const RequestId id = id_of(*request);
    backend.handle(std::move(*request), events);
    events.send(event::Finished{id, kind});
  }
}

EngineHandle spawn_engine_worker(std::unique_ptr<MailBackend> backend, std::function<void()> on_event) {
  auto [request_sender, request_receiver] = orvo::thread::make_channel<EngineRequest>();
  auto [event_sender, event_receiver] = orvo::thread::make_channel<EngineEvent>(std::move(on_event));
  try {
    std::thread([backend = std::move(backend), requests = std::move(request_receiver),
                 events = std::move(event_sender)]() mutable {
      ::pthread_setname_np(::pthread_self(), "mail-engine");
      run_worker(*backend, requests, events);
    }).detach();
  } catch (const std::system_error& error) {
    std::fprintf(stderr, "spawn mail engine worker: %s\n", error.what());
    std::exit(EXIT_FAILURE);
  }
  return EngineHandle{std::move(request_sender), std::move(event_receiver)};
}

}  // namespace mail::engine
