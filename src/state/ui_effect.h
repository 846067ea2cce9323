#pragma once

#include <cstddef>
#include <string>
#include <variant>

#include "engine/engine_request.h"
#include "message/message_id.h"

namespace mail::state {

using message::MessageId;

// What the state layer asks the application object to do, because only it owns
// the window's parts and the engine handle.
namespace effect {
struct ShowReader {};
struct ShowList {};
struct CloseDrawer {};
struct ComposeNew {};
struct Reply {
  MessageId id;
};
struct ReplyAll {
  MessageId id;
};
struct Forward {
  MessageId id;
};
struct EditDraft {
  MessageId id;
};
struct ContextMenu {
  MessageId id;
  double x = 0;
  double y = 0;
};
struct OpenSetup {
  bool edit = false;
  std::size_t account = 0;
};
struct SaveAttachment {
  MessageId id;
  std::size_t index = 0;
};
struct Request {
  engine::EngineRequest request;
};
struct Status {
  std::string text;
};
struct ConfirmPurge {};
}  // namespace effect

using UiEffect = std::variant<effect::ShowReader, effect::ShowList, effect::CloseDrawer, effect::ComposeNew,
                              effect::Reply, effect::ReplyAll, effect::Forward, effect::EditDraft, effect::ContextMenu,
                              effect::OpenSetup, effect::SaveAttachment, effect::Request, effect::Status,
                              effect::ConfirmPurge>;

}  // namespace mail::state
