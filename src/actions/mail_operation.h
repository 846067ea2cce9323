#pragma once

#include <cstdint>
#include <expected>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <variant>

#include "platform/actions/encoded_action.h"

namespace mail::actions {

// The kind under which the application's own operations travel.
inline constexpr std::string_view mail_operation_kind = "mail.operation";

// What the application does when asked, each with its JSON variant name. Ids are text
// as given; they are read when the operation runs.
namespace operation {

struct ComposeNew {
  static constexpr std::string_view tag = "ComposeNew";
  friend bool operator==(const ComposeNew&, const ComposeNew&) = default;
};

struct RefreshCurrentFolder {
  static constexpr std::string_view tag = "RefreshCurrentFolder";
  friend bool operator==(const RefreshCurrentFolder&, const RefreshCurrentFolder&) = default;
};

struct RevealFolder {
  static constexpr std::string_view tag = "RevealFolder";
  std::string folder;
  friend bool operator==(const RevealFolder&, const RevealFolder&) = default;
};

struct RevealAccount {
  static constexpr std::string_view tag = "RevealAccount";
  std::string id;
  friend bool operator==(const RevealAccount&, const RevealAccount&) = default;
};

struct RevealMessage {
  static constexpr std::string_view tag = "RevealMessage";
  std::string id;
  friend bool operator==(const RevealMessage&, const RevealMessage&) = default;
};

struct InspectMessage {
  static constexpr std::string_view tag = "InspectMessage";
  std::string id;
  friend bool operator==(const InspectMessage&, const InspectMessage&) = default;
};

struct Reply {
  static constexpr std::string_view tag = "Reply";
  std::string id;
  friend bool operator==(const Reply&, const Reply&) = default;
};

struct ReplyAll {
  static constexpr std::string_view tag = "ReplyAll";
  std::string id;
  friend bool operator==(const ReplyAll&, const ReplyAll&) = default;
};

struct Forward {
  static constexpr std::string_view tag = "Forward";
  std::string id;
  friend bool operator==(const Forward&, const Forward&) = default;
};

struct RevealDraft {
  static constexpr std::string_view tag = "RevealDraft";
  friend bool operator==(const RevealDraft&, const RevealDraft&) = default;
};

struct SaveAttachment {
  static constexpr std::string_view tag = "SaveAttachment";
  std::string message_id;
  std::uint64_t index = 0;  // the attachment's position in the message
  friend bool operator==(const SaveAttachment&, const SaveAttachment&) = default;
};

struct PrepareCalendarInvitation {
  static constexpr std::string_view tag = "PrepareCalendarInvitation";
  std::string to;
  std::string subject;
  std::string body;
  std::string calendar_ics;
  friend bool operator==(const PrepareCalendarInvitation&, const PrepareCalendarInvitation&) = default;
};

}  // namespace operation

// The order is the variant index other programs rely on.
using MailOperation = std::variant<operation::ComposeNew, operation::RefreshCurrentFolder, operation::RevealFolder,
                                   operation::RevealAccount, operation::RevealMessage, operation::InspectMessage,
                                   operation::Reply, operation::ReplyAll, operation::Forward, operation::RevealDraft,
                                   operation::SaveAttachment, operation::PrepareCalendarInvitation>;

nlohmann::ordered_json to_json(const MailOperation& operation);
std::expected<MailOperation, std::string> mail_operation_from_json(const nlohmann::ordered_json& json);

// Navigation is a view operation; refreshing, saving and preparing an invitation
// have effects beyond the view.
orvo::actions::OperationType operation_type(const MailOperation& operation);

// The operation as the action framework carries it, under `mail_operation_kind`
// with its operation type.
orvo::actions::EncodedAction encode(const MailOperation& operation);

}  // namespace mail::actions
