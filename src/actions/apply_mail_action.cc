#include "actions/apply_mail_action.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "actions/character_count.h"
#include "actions/id_list.h"
#include "doc/current_draft.h"
#include "doc/document_layout.h"
#include "doc/draft_normalization.h"
#include "doc/message_marks.h"
#include "doc/text_normalization.h"
#include "doc/user_folders.h"
#include "message/folder_kind.h"

namespace mail::actions {
namespace {

using message::FolderKind;
using message::MessageId;
using orvo::storage::Document;
using Applied = std::expected<void, std::string>;

constexpr std::size_t max_label_characters = 128;
constexpr std::size_t max_folder_name_characters = 96;
constexpr std::size_t max_folder_id_characters = 128;

std::optional<MessageId> present_message(const Document& document, const std::string& id) {
  const auto parsed = MessageId::parse(id);
  if (!parsed || !doc::is_present(document, *parsed)) return std::nullopt;
  return parsed;
}

std::vector<MessageId> present_messages(const Document& document, const std::vector<std::string>& ids) {
  std::vector<MessageId> present;
  for (const std::string& id : normalize_ids(ids)) {
    if (auto message = present_message(document, id)) present.push_back(*message);
  }
  return present;
}

// Runs `change` on every present message named; naming none at all is a failure,
// so that a change aimed at messages that are gone is not reported as made.
template <class Change>
Applied for_each_present(Document& document, const std::vector<std::string>& ids, Change change) {
  const std::vector<MessageId> messages = present_messages(document, ids);
  if (messages.empty()) return std::unexpected("none of these messages is present");
  for (const MessageId& id : messages) change(id);
  return {};
}

bool in_trash(const Document& document, const MessageId& id) {
  const auto* folder = document.get<std::string>(doc::flags_path(id, "folder"));
  return folder != nullptr && *folder == message::identifier(FolderKind::Trash);
}

std::expected<std::string, std::string> label_of(const std::string& given) {
  std::string label = doc::normalize_text(given, max_label_characters, doc::TextMode::SingleLine);
  if (label.empty()) return std::unexpected("a label must not be empty");
  return label;
}

std::expected<std::string, std::string> folder_name_of(const std::string& given) {
  std::string name = doc::normalize_text(given, max_folder_name_characters, doc::TextMode::SingleLine);
  if (name.empty()) return std::unexpected("a folder name must not be empty");
  return name;
}

// A user folder's id may not pass for a standard folder's key, or the two would
// share one published address.
Applied check_folder_id(const std::string& id) {
  const std::size_t length = character_count(id);
  if (length == 0 || length > max_folder_id_characters) {
    return std::unexpected("a folder id must be 1 to 128 characters long");
  }
  if (message::folder_from_identifier(id)) return std::unexpected("\"" + id + "\" is the key of a standard folder");
  return {};
}

bool folder_exists(const Document& document, const std::string& id) {
  const std::vector<doc::UserFolder> folders = doc::list_folders(document);
  return std::ranges::find(folders, id, &doc::UserFolder::id) != folders.end();
}

Applied apply(Document& document, const action::SetRead& change) {
  return for_each_present(document, change.ids, [&](const MessageId& id) { doc::set_read(document, id, change.read); });
}

Applied apply(Document& document, const action::SetStarred& change) {
  return for_each_present(document, change.ids,
                          [&](const MessageId& id) { doc::set_starred(document, id, change.starred); });
}

Applied apply(Document& document, const action::Move& change) {
  const auto folder = message::folder_from_identifier(change.folder);
  if (!folder) return std::unexpected("messages can only be moved to a standard folder, not \"" + change.folder + "\"");
  return for_each_present(document, change.ids, [&](const MessageId& id) { doc::set_folder(document, id, *folder); });
}

// All or nothing: a purge that would reach past Trash, or find a message gone,
// deletes none of them.
Applied apply(Document& document, const action::Purge& change) {
  const std::vector<std::string> ids = normalize_ids(change.ids);
  std::vector<MessageId> messages;
  for (const std::string& id : ids) {
    const auto message = present_message(document, id);
    if (!message || !in_trash(document, *message)) break;
    messages.push_back(*message);
  }
  if (messages.empty() || messages.size() != ids.size()) {
    return std::unexpected("every message must still be present in Trash before permanent deletion");
  }
  for (const MessageId& id : messages) doc::purge(document, id);
  return {};
}

Applied apply(Document& document, const action::AddLabel& change) {
  const auto label = label_of(change.label);
  if (!label) return std::unexpected(label.error());
  return for_each_present(document, change.ids, [&](const MessageId& id) { doc::add_label(document, id, *label); });
}

Applied apply(Document& document, const action::RemoveLabel& change) {
  const auto label = label_of(change.label);
  if (!label) return std::unexpected(label.error());
  return for_each_present(document, change.ids, [&](const MessageId& id) { doc::remove_label(document, id, *label); });
}

Applied apply(Document& document, const action::CreateFolder& change) {
  if (auto checked = check_folder_id(change.id); !checked) return checked;
  const auto name = folder_name_of(change.name);
  if (!name) return std::unexpected(name.error());
  doc::create_folder(document, change.id, *name);
  return {};
}

Applied apply(Document& document, const action::RenameFolder& change) {
  if (!folder_exists(document, change.id)) return std::unexpected("folder no longer exists");
  const auto name = folder_name_of(change.name);
  if (!name) return std::unexpected(name.error());
  doc::rename_folder(document, change.id, *name);
  return {};
}

Applied apply(Document& document, const action::DeleteFolder& change) {
  if (auto checked = check_folder_id(change.id); !checked) return checked;
  doc::delete_folder(document, change.id);
  return {};
}

Applied apply(Document& document, const action::SaveDraft& change) {
  doc::save_draft(document, doc::normalize_draft(change.draft));
  return {};
}

Applied apply(Document& document, const action::DiscardDraft&) {
  doc::discard_draft(document);
  return {};
}

}  // namespace

std::expected<void, std::string> apply_mail_action(Document& document, const MailAction& action) {
  return std::visit([&](const auto& change) { return apply(document, change); }, action);
}

}  // namespace mail::actions
