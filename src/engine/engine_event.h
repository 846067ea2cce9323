#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "engine/engine_request.h"

namespace mail::engine {

// What the worker reports. Each request is answered by zero or more results or one
// `Failed`, and always last by `Finished`, before anything of the next request.
namespace event {
struct Connected {
  RequestId id;
  std::string email;
};
struct FoldersListed {
  RequestId id;
  std::string email;
  std::vector<std::string> folders;  // server order
};
struct MessagesFetched {
  RequestId id;
  message::FolderKind folder = message::FolderKind::Inbox;
  std::string email;
  std::vector<message::MessageRecord> messages;
};
struct Sent {
  RequestId id;
  std::uint64_t bytes = 0;
};
struct SignedIn {
  RequestId id;
  std::string account_key;
};
struct Failed {
  RequestId id;
  RequestKind kind = RequestKind::Connect;
  std::string operation;
  std::string error;
};
struct Finished {
  RequestId id;
  RequestKind kind = RequestKind::Connect;
};
}  // namespace event

using EngineEvent = std::variant<event::Connected, event::FoldersListed, event::MessagesFetched, event::Sent,
                                 event::SignedIn, event::Failed, event::Finished>;

inline const RequestId& id_of(const EngineEvent& event) {
  return std::visit([](const auto& e) -> const RequestId& { return e.id; }, event);
}

}  // namespace mail::engine
