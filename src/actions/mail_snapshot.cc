#include "actions/mail_snapshot.h"

#include "doc/current_draft.h"

namespace mail::actions {
namespace {

std::string active_address(const state::MailState& state) {
  const auto account = state.current_account_config();
  if (!account || account->email.empty()) return std::string(placeholder_address);
  return account->email;
}

std::vector<AccountSummary> account_summaries(const state::MailState& state) {
  std::vector<AccountSummary> accounts;
  for (std::size_t index = 0; index < state.accounts.size(); ++index) {
    const state::AccountEntry& entry = state.accounts[index];
    accounts.push_back({entry.id, state::account_label(entry), index == state.current_account});
  }
  return accounts;
}

std::vector<ConversationSummary> conversation_summaries(const state::MailState& state) {
  std::vector<ConversationSummary> summaries;
  for (const Conversation& conversation :
       keyed_conversations(state.store, state.current_folder, snapshot_message_limit)) {
    summaries.push_back(summarize(conversation));
  }
  return summaries;
}

// The same test that decides whether the draft shows in Drafts.
bool has_content(const message::DraftData& draft) {
  return !draft.to.empty() || !draft.subject.empty() || !draft.body.empty();
}

}  // namespace

AttachmentSummary summarize(const message::AttachmentRecord& attachment) {
  return {attachment.filename, attachment.size, attachment.downloaded};
}

MessageSummary summarize(const message::MessageRecord& record) {
  MessageSummary summary{.id = record.id,
                         .subject = record.subject,
                         .read = record.read,
                         .starred = record.starred,
                         .folder = record.folder,
                         .labels = record.labels};
  for (const message::AttachmentRecord& attachment : record.attachments)
    summary.attachments.push_back(summarize(attachment));
  return summary;
}

ConversationSummary summarize(const Conversation& conversation) {
  ConversationSummary summary{conversation.key, {}};
  for (const message::MessageRecord* record : conversation.messages) summary.messages.push_back(summarize(*record));
  return summary;
}

bool is_connected(const state::MailState& state, bool engine_running) {
  return engine_running && active_address(state) != placeholder_address;
}

MailSnapshot take_snapshot(const state::MailState& state, const orvo::storage::Document& document,
                           bool engine_running) {
  return MailSnapshot{.address = active_address(state),
                      .accounts = account_summaries(state),
                      .current_folder = state.current_folder,
                      .conversations = conversation_summaries(state),
                      .folders = doc::list_folders(document),
                      .draft_has_content = has_content(doc::read_draft(document)),
                      .connected = is_connected(state, engine_running)};
}

}  // namespace mail::actions
