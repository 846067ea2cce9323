#include "app/mail_app.h"

#include <charconv>

#include "state/bulk_commands.h"
#include "state/message_commands.h"

namespace mail::app {
namespace {

using orvo::ui::SemanticAction;
using orvo::ui::SemanticKind;

// The text after `prefix`, when `id` starts with it.
std::optional<std::string_view> operand(std::string_view id, std::string_view prefix) {
  if (!id.starts_with(prefix)) return std::nullopt;
  return id.substr(prefix.size());
}

std::optional<std::size_t> decimal(std::string_view text) {
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// "<message id>:<rest>" split at the colon after the 36-character id.
std::optional<std::pair<message::MessageId, std::string_view>> message_and_rest(std::string_view text) {
  constexpr std::size_t id_length = 36;
  if (text.size() <= id_length || text[id_length] != ':') return std::nullopt;
  const auto id = message::MessageId::parse(text.substr(0, id_length));
  if (!id) return std::nullopt;
  return std::pair{*id, text.substr(id_length + 1)};
}

bool in_list(const state::MailState& state, const message::MessageId& id) {
  return std::ranges::any_of(state.visible_list(),
                             [&](const state::ListItem& item) { return item.representative == id; });
}

}  // namespace

bool MailApp::perform_semantic_action(const SemanticAction& action, const orvo::ui::FrameContext&) {
  const bool accepted = perform_routed_action(action);
  if (!accepted) return false;
  drain_effects();
  dirty_ = true;
  return true;
}

bool MailApp::perform_routed_action(const SemanticAction& action) {
  const std::string_view id = action.id;
  if (id == "mail.add-account") {
    if (action.kind != SemanticKind::Invoke) return false;
    state_->queue(state::effect::OpenSetup{.edit = false});
    return true;
  }
  if (id.starts_with("mail.context:")) return perform_menu_action(action);
  if (id.starts_with("mail.bulk-purge:")) return perform_purge_action(action);
  if (id.starts_with("mail.account:")) return perform_account_action(action);
  if (id.starts_with("mail.folder:")) return perform_folder_action(action);
  if (id.starts_with("mail.bulk:")) return perform_bulk_action(action);
  if (id.starts_with("mail.message:")) return perform_message_action(action);
  if (id.starts_with("mail.reader:")) return perform_reader_action(action);
  return false;
}

bool MailApp::perform_menu_action(const SemanticAction& action) {
  if (!context_menu_ || (action.kind != SemanticKind::Invoke && action.kind != SemanticKind::Focus)) return false;
  const auto target = message_and_rest(*operand(action.id, "mail.context:"));
  if (!target || target->first != context_menu_->message()) return false;
  const auto index = decimal(target->second);
  if (!index || *index >= context_menu_->items().size()) return false;
  if (action.kind == SemanticKind::Focus) {
    context_menu_->highlight(*index);
  } else {
    choose_menu_item(*index);
  }
  return true;
}

bool MailApp::perform_purge_action(const SemanticAction& action) {
  if (!purge_confirmation_ || action.kind != SemanticKind::Invoke) return false;
  if (action.id == "mail.bulk-purge:confirm") {
    confirm_purge();
  } else if (action.id == "mail.bulk-purge:cancel") {
    purge_confirmation_.reset();
  } else {
    return false;
  }
  return true;
}

bool MailApp::perform_account_action(const SemanticAction& action) {
  const auto index = decimal(*operand(action.id, "mail.account:"));
  if (!index || *index >= state_->accounts.size()) return false;
  state::AccountEntry& account = state_->accounts[*index];
  switch (action.kind) {
    case SemanticKind::Invoke:
      state_->current_account = *index;
      state_->switch_folder(message::FolderKind::Inbox);
      state_->queue(state::effect::CloseDrawer{});
      return true;
    case SemanticKind::Expand:
    case SemanticKind::Collapse: {
      const bool collapsed = action.kind == SemanticKind::Collapse;
      if (account.collapsed != collapsed) {
        account.collapsed = collapsed;
        state_->changed = true;
      }
      return true;
    }
    default: return false;
  }
}

bool MailApp::perform_folder_action(const SemanticAction& action) {
  if (action.kind != SemanticKind::Invoke) return false;
  const std::string_view rest = *operand(action.id, "mail.folder:");
  const auto colon = rest.find(':');
  if (colon == std::string_view::npos) return false;
  const auto index = decimal(rest.substr(0, colon));
  const auto folder = message::folder_from_identifier(rest.substr(colon + 1));
  if (!index || !folder || *index >= state_->accounts.size() || state_->accounts[*index].collapsed) return false;
  state_->current_account = *index;
  state_->switch_folder(*folder);
  state_->queue(state::effect::CloseDrawer{});
  return true;
}

bool MailApp::perform_bulk_action(const SemanticAction& action) {
  if (action.kind != SemanticKind::Invoke) return false;
  const std::string_view command = *operand(action.id, "mail.bulk:");
  if (command == "toggle") {
    state::toggle_bulk_mode(*state_);
    return true;
  }
  if (!state_->bulk_mode) return false;
  auto report = [&](std::size_t count, const std::string& verb, const std::string& tail) {
    if (count > 0) state_->set_status(verb + " " + state::messages_phrase(count) + tail);
  };
  if (command == "select-all") state::select_all_visible(*state_);
  else if (command == "archive") report(state::bulk_archive(*state_), "Archived", "");
  else if (command == "delete") report(state::bulk_move_to_trash(*state_), "Moved", " to Trash");
  else if (command == "read") report(state::bulk_set_read(*state_, true), "Marked", " read");
  else if (command == "unread") report(state::bulk_set_read(*state_, false), "Marked", " unread");
  else if (command == "purge") state_->queue(state::effect::ConfirmPurge{});
  else return false;
  return true;
}

bool MailApp::perform_message_action(const SemanticAction& action) {
  if (action.kind != SemanticKind::Invoke) return false;
  const auto id = message::MessageId::parse(*operand(action.id, "mail.message:"));
  if (!id || !in_list(*state_, *id)) return false;
  if (state_->bulk_mode) {
    state_->toggle_bulk_selection(*id);
  } else if (state_->store.find(*id)->folder == message::FolderKind::Drafts) {
    state_->queue(state::effect::EditDraft{*id});
  } else {
    state_->open_message(*id);
  }
  return true;
}

bool MailApp::perform_reader_action(const SemanticAction& action) {
  if (action.kind != SemanticKind::Invoke) return false;
  const auto target = message_and_rest(*operand(action.id, "mail.reader:"));
  if (!target || state_->selected != target->first || state_->store.find(target->first) == nullptr) return false;
  const auto& [id, command] = *target;
  if (const auto index = operand(command, "save-attachment:")) {
    const auto attachment = decimal(*index);
    if (!attachment) return false;
    state_->queue(state::effect::SaveAttachment{id, *attachment});
    return true;
  }
  static constexpr std::pair<std::string_view, state::MessageCommand> commands[] = {
      {"reply", state::MessageCommand::Reply},      {"archive", state::MessageCommand::Archive},
      {"delete", state::MessageCommand::Delete},    {"star", state::MessageCommand::ToggleStar},
      {"read", state::MessageCommand::ToggleRead},
  };
  const auto found = std::ranges::find(commands, command, &std::pair<std::string_view, state::MessageCommand>::first);
  if (found == std::end(commands)) return false;
  state::run_message_command(*state_, found->second, id);
  return true;
}

}  // namespace mail::app
