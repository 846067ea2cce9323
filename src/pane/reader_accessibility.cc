#include "pane/reader_accessibility.h"

#include <array>
#include <string_view>

#include "pane/reader_conversation.h"
#include "pane/reader_notices.h"
#include "pane/row_text.h"
#include "platform/format/bytes.h"
#include "state/message_commands.h"

namespace mail::pane {
namespace {

using orvo::ui::AccessNode;
using orvo::ui::AccessRole;

struct ReaderAction {
  std::string_view label;
  std::string_view command;
};

constexpr std::array<ReaderAction, 5> message_actions{{
    {"Reply", "reply"},
    {"Archive", "archive"},
    {"Delete", "delete"},
    {"Toggle star", "star"},
    {"Toggle read", "read"},
}};

orvo::ui::AccessAction action(std::string label, const message::MessageId& id, std::string_view command) {
  return {std::move(label), "mail.reader:" + id.to_string() + ":" + std::string(command)};
}

std::string message_description(const state::MailState& state, const message::MessageRecord& message) {
  const std::size_t size = reader_conversation(state.store, message.id).size();
  const bool previewing = state.preview && state.previewed == message.id;
  return "Current message from " + sender_text(message.from) + "; " + state::messages_phrase(size) +
         " in this conversation" + (previewing ? "; previewing without changing its read state" : "");
}

AccessNode reading(const state::MailState& state, const message::MessageRecord& message) {
  AccessNode node{.role = AccessRole::Document,
                  .label = "Reading: " + message.subject,
                  .description = message_description(state, message)};
  for (const ReaderAction& command : message_actions) {
    node.actions.push_back(action(std::string(command.label), message.id, command.command));
  }
  for (std::size_t index = 0; index < message.attachments.size(); ++index) {
    const message::AttachmentRecord& attachment = message.attachments[index];
    node.actions.push_back(
        action("Save attachment " + attachment.filename + " (" + orvo::format::bytes(attachment.size) + ")",
               message.id, "save-attachment:" + std::to_string(index)));
  }
  return node;
}

AccessNode selecting(std::size_t selected) {
  return {.role = AccessRole::Document,
          .label = bulk_notice_title(selected),
          .value = std::to_string(selected) + " selected",
          .description = std::string(bulk_notice_hint)};
}

}  // namespace

AccessNode reader_accessibility(const state::MailState& state) {
  if (state.bulk_mode) return selecting(state.bulk_selection.size());
  const message::MessageRecord* message = state.selected ? state.store.find(*state.selected) : nullptr;
  if (message != nullptr) return reading(state, *message);
  return {.role = AccessRole::Document,
          .label = "No conversation selected",
          .description = std::string(no_conversation_hint)};
}

}  // namespace mail::pane
