#pragma once

#include "engine/engine_event.h"
#include "platform/thread/channel.h"

namespace mail::engine {

using EventSender = orvo::thread::Sender<EngineEvent>;

// Does the work of one request: sends its result events or one `Failed`, and returns
// when the request is complete. The worker adds `Finished`.
class MailBackend {
 public:
  virtual ~MailBackend() = default;
  virtual void handle(EngineRequest request, const EventSender& events) = 0;
};

}  // namespace mail::engine
