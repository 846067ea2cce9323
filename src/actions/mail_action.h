#pragma once

#include <expected>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "message/draft_data.h"
#include "platform/actions/encoded_action.h"

namespace mail::actions {

// The kind under which changes to mail data travel.
inline constexpr std::string_view mail_action_kind = "mail.action";

// The changes to mail data, each with its JSON variant name. Message ids are text
// taken as given: they are normalised when the change is applied.
namespace action {

struct SetRead {
  static constexpr std::string_view tag = "SetRead";
  std::vector<std::string> ids;
  bool read = false;
  friend bool operator==(const SetRead&, const SetRead&) = default;
};

struct SetStarred {
  static constexpr std::string_view tag = "SetStarred";
  std::vector<std::string> ids;
  bool starred = false;
  friend bool operator==(const SetStarred&, const SetStarred&) = default;
};

struct Move {
  static constexpr std::string_view tag = "Move";
  std::vector<std::string> ids;
  std::string folder;  // a folder key: "inbox", "archive", … or a user folder's id
  friend bool operator==(const Move&, const Move&) = default;
};

struct Purge {
  static constexpr std::string_view tag = "Purge";
  std::vector<std::string> ids;
  friend bool operator==(const Purge&, const Purge&) = default;
};

struct AddLabel {
  static constexpr std::string_view tag = "AddLabel";
  std::vector<std::string> ids;
  std::string label;
  friend bool operator==(const AddLabel&, const AddLabel&) = default;
};

struct RemoveLabel {
  static constexpr std::string_view tag = "RemoveLabel";
  std::vector<std::string> ids;
  std::string label;
  friend bool operator==(const RemoveLabel&, const RemoveLabel&) = default;
};

struct CreateFolder {
  static constexpr std::string_view tag = "CreateFolder";
  std::string id;
  std::string name;
  friend bool operator==(const CreateFolder&, const CreateFolder&) = default;
};

struct RenameFolder {
  static constexpr std::string_view tag = "RenameFolder";
  std::string id;
  std::string name;
  friend bool operator==(const RenameFolder&, const RenameFolder&) = default;
};

struct DeleteFolder {
  static constexpr std::string_view tag = "DeleteFolder";
  std::string id;
  friend bool operator==(const DeleteFolder&, const DeleteFolder&) = default;
};

struct SaveDraft {
  static constexpr std::string_view tag = "SaveDraft";
  message::DraftData draft;
  friend bool operator==(const SaveDraft&, const SaveDraft&) = default;
};

struct DiscardDraft {
  static constexpr std::string_view tag = "DiscardDraft";
  friend bool operator==(const DiscardDraft&, const DiscardDraft&) = default;
};

}  // namespace action

// The order is the variant index other programs rely on.
using MailAction = std::variant<action::SetRead, action::SetStarred, action::Move, action::Purge, action::AddLabel,
                                action::RemoveLabel, action::CreateFolder, action::RenameFolder, action::DeleteFolder,
                                action::SaveDraft, action::DiscardDraft>;

nlohmann::ordered_json to_json(const MailAction& action);
std::expected<MailAction, std::string> mail_action_from_json(const nlohmann::ordered_json& json);

// The change as the action framework carries it, under `mail_action_kind`.
orvo::actions::EncodedAction encode(const MailAction& action);

}  // namespace mail::actions
