#include "actions/resolve_mail_resource.h"

#include <charconv>
#include <limits>

#include "actions/mail_snapshot.h"
#include "actions/message_resources.h"
#include "actions/resource_ids.h"
#include "message/folder_kind.h"

namespace mail::actions {
namespace {

using orvo::actions::Resource;

// The rest of `id` after `prefix`, split at its first ":".
struct Operands {
  std::string_view first;
  std::string_view second;
};

std::optional<Operands> operands(std::string_view id, std::string_view prefix) {
  if (!id.starts_with(prefix)) return std::nullopt;
  const std::string_view rest = id.substr(prefix.size());
  const auto colon = rest.find(':');
  if (colon == std::string_view::npos) return Operands{rest, {}};
  return Operands{rest.substr(0, colon), rest.substr(colon + 1)};
}

std::optional<std::size_t> position(std::string_view text) {
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

const message::MessageRecord* loaded(const state::MailState& state, std::string_view text) {
  const auto id = message::MessageId::parse(text);
  return id ? state.store.find(*id) : nullptr;
}

std::optional<Resource> message_at(const state::MailState& state, std::string_view id) {
  const auto found = operands(id, message_prefix);
  const message::MessageRecord* record = found && found->second.empty() ? loaded(state, found->first) : nullptr;
  if (record == nullptr) return std::nullopt;
  return message_resource(summarize(*record));
}

std::optional<Resource> attachment_at(const state::MailState& state, std::string_view id) {
  const auto found = operands(id, attachment_prefix);
  const message::MessageRecord* record = found ? loaded(state, found->first) : nullptr;
  const auto index = found ? position(found->second) : std::nullopt;
  if (record == nullptr || !index || *index >= record->attachments.size()) return std::nullopt;
  return attachment_resource(record->id, *index, summarize(record->attachments[*index]));
}

// A conversation key may itself hold ":" (a Message-ID may), so only the first one
// of the operands ends the folder key.
std::optional<Resource> thread_at(const state::MailState& state, std::string_view id) {
  const auto found = operands(id, thread_prefix);
  const auto folder = found ? message::folder_from_identifier(found->first) : std::nullopt;
  if (!folder) return std::nullopt;
  for (const Conversation& conversation :
       keyed_conversations(state.store, *folder, std::numeric_limits<std::size_t>::max())) {
    if (conversation.key == found->second) return thread_resource(*folder, summarize(conversation));
  }
  return std::nullopt;
}

}  // namespace

std::optional<Resource> resolve_mail_resource(const state::MailState& state, std::string_view id) {
  if (id.starts_with(message_prefix)) return message_at(state, id);
  if (id.starts_with(attachment_prefix)) return attachment_at(state, id);
  if (id.starts_with(thread_prefix)) return thread_at(state, id);
  return std::nullopt;
}

}  // namespace mail::actions
