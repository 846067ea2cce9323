#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "engine/account_config.h"
#include "engine/request_id.h"
#include "message/draft_data.h"
#include "message/message_record.h"

namespace mail::engine {

enum class RequestKind : std::uint8_t {
  Connect = 0,
  Sync = 1,
  SetFlags = 2,
  Move = 3,
  Purge = 4,
  Send = 5,
  OAuthSignIn = 6,
};

enum class OAuthProvider : std::uint8_t { Google = 0, Microsoft = 1 };

// Every request carries its own copy of the account's settings and of the records it
// works on; the engine keeps nothing between requests.
namespace request {
struct Connect {
  RequestId id;
  AccountConfig account;
};
struct Sync {
  RequestId id;
  AccountConfig account;
  message::FolderKind folder = message::FolderKind::Inbox;
};
struct SetFlags {
  RequestId id;
  AccountConfig account;
  message::MessageRecord message;
};
struct Move {
  RequestId id;
  AccountConfig account;
  message::MessageRecord message;
  message::FolderKind destination = message::FolderKind::Inbox;
};
struct Purge {
  RequestId id;
  AccountConfig account;
  message::MessageRecord message;
};
struct Send {
  RequestId id;
  AccountConfig account;
  message::DraftData draft;
};
struct OAuthSignIn {
  RequestId id;
  std::string account_key;
  std::string login_hint;
  OAuthProvider provider = OAuthProvider::Google;
};
}  // namespace request

// Alternatives in the order of `RequestKind`.
using EngineRequest = std::variant<request::Connect, request::Sync, request::SetFlags, request::Move, request::Purge,
                                   request::Send, request::OAuthSignIn>;

inline RequestKind kind_of(const EngineRequest& request) { return static_cast<RequestKind>(request.index()); }

inline const RequestId& id_of(const EngineRequest& request) {
  return std::visit([](const auto& r) -> const RequestId& { return r.id; }, request);
}

}  // namespace mail::engine
