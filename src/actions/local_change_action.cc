#include "actions/local_change_action.h"

#include "message/folder_kind.h"

namespace mail::actions {

MailAction to_mail_action(const state::LocalChange& change) {
  std::vector<std::string> ids;
  for (const message::MessageId& id : change.ids) ids.push_back(id.to_string());
  switch (change.kind) {
    case state::LocalChange::Kind::SetRead: return action::SetRead{std::move(ids), change.value};
    case state::LocalChange::Kind::SetStarred: return action::SetStarred{std::move(ids), change.value};
    case state::LocalChange::Kind::Move:
      return action::Move{std::move(ids), std::string(message::identifier(change.destination))};
    case state::LocalChange::Kind::Purge: return action::Purge{std::move(ids)};
  }
  return action::Purge{std::move(ids)};
}

}  // namespace mail::actions
