#include <gtest/gtest.h>

#include "pane/pane_harness.h"

namespace mail::pane {
namespace {

using message::FolderKind;
using message::MessageId;
using orvo::ui::AccessNode;

bool drawn(const std::vector<std::string>& texts, const std::string& text) {
  return std::ranges::find(texts, text) != texts.end();
}

TEST(ListTextsTest, TheThirdBulkButtonPurgesOnlyASelectionWhollyInTrash) {
  struct Case {
    const char* name;
    std::vector<FolderKind> selected;
    std::string label;
    state::BulkAction action;
  };
  const Case cases[] = {
      {"empty selection", {}, "Move to Trash", state::BulkAction::MoveToTrash},
      {"all in Trash", {FolderKind::Trash, FolderKind::Trash}, "Delete permanently", state::BulkAction::Purge},
      {"one outside Trash", {FolderKind::Trash, FolderKind::Inbox}, "Move to Trash", state::BulkAction::MoveToTrash},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MailFixture mail;
    mail.state().bulk_mode = true;
    std::uint64_t n = 0;
    for (const FolderKind folder : c.selected) mail.state().bulk_selection.push_back(mail.add(++n, {.folder = folder}));
    PaneHarness list(PaneKind::List, mail.shared(), {0, 0, 600, 800});
    EXPECT_EQ(std::get<state::BulkAction>(list.region(PaneHitKind::BulkAction, 3).payload), c.action);
    list.draw();
    EXPECT_TRUE(drawn(list.drawn_texts(), c.label));
  }
}

TEST(ListTextsTest, AnEmptyListSaysWhyItIsEmpty) {
  struct Case {
    std::size_t accounts;
    bool messages;
    std::string query;
    std::string title;
    std::string body;
    std::string node;
  };
  const Case cases[] = {
      {1, true, "nothing like it", "No matching messages", "Try another sender, subject, or keyword.",
       "No matching messages"},
      {1, true, "  ", "No messages in this folder", "Messages moved here will appear in this list.",
       "No messages in Sent"},
      {1, false, "", "Your inbox is ready", "New messages will appear here after the next sync.",
       "No messages in Sent"},
      {0, false, "", "Connect your email", "Use Add account in the sidebar to start sending and receiving messages.",
       "No messages in Sent"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    MailFixture mail(c.accounts);
    if (c.messages) mail.add(1, {.folder = FolderKind::Inbox});
    mail.state().current_folder = FolderKind::Sent;
    mail.state().set_search_query(c.query);
    PaneHarness list(PaneKind::List, mail.shared(), {0, 0, 600, 800});
    list.draw();
    EXPECT_TRUE(drawn(list.drawn_texts(), c.title));
    EXPECT_TRUE(drawn(list.drawn_texts(), c.body));
    EXPECT_EQ(list.pane().accessibility()->children.back().label, c.node);
  }
}

TEST(ListTextsTest, AccessibilityNamesTheBulkControlsAndEveryRowOnScreen) {
  MailFixture mail;
  const MessageId inbox = mail.add(1, {.date = 2});
  const MessageId trashed = mail.add(2, {.folder = FolderKind::Trash, .date = 1});
  PaneHarness list(PaneKind::List, mail.shared(), {0, 0, 600, 800});

  AccessNode node = *list.pane().accessibility();
  ASSERT_EQ(node.children.size(), 2u);
  EXPECT_EQ(node.children[0].label, "Select messages for bulk actions");
  EXPECT_EQ(node.children[0].id, "mail.bulk:toggle");
  EXPECT_EQ(node.children[1].id, "mail.message:" + inbox.to_string());

  mail.state().bulk_mode = true;
  mail.state().bulk_selection = {trashed};
  node = *list.pane().accessibility();
  EXPECT_EQ(node.children[0].label, "Done selecting messages");
  const AccessNode& group = node.children[1];
  EXPECT_EQ(group.value, "1 selected");
  std::vector<std::pair<std::string, std::string>> actions;
  for (const AccessNode& action : group.children) actions.emplace_back(action.label, action.id);
  EXPECT_EQ(actions, (std::vector<std::pair<std::string, std::string>>{
                         {"Select all visible messages", "mail.bulk:select-all"},
                         {"Archive selected messages", "mail.bulk:archive"},
                         {"Mark selected messages read", "mail.bulk:read"},
                         {"Mark selected messages unread", "mail.bulk:unread"},
                         {"Delete selected trashed messages permanently", "mail.bulk:purge"},
                     }));

  mail.state().bulk_selection.push_back(inbox);
  EXPECT_EQ(list.pane().accessibility()->children[1].children.back().id, "mail.bulk:delete");
}

TEST(ListTextsTest, RowsShowSenderSubjectAOneLineSnippetAndTheCountOfLongerConversations) {
  MailFixture mail;
  mail.add(1, {.message_id = "<root@example.org>"});
  mail.add(2, {.date = 5, .thread_ref = "<root@example.org>"});
  mail.add(3, {.date = 1});
  PaneHarness list(PaneKind::List, mail.shared(), {0, 0, 600, 800});
  list.draw();
  const std::vector<std::string> texts = list.drawn_texts();
  EXPECT_TRUE(drawn(texts, "Sender 1"));
  EXPECT_TRUE(drawn(texts, "Subject 1"));
  EXPECT_TRUE(drawn(texts, "Body of message 1"));
  EXPECT_TRUE(drawn(texts, "3"));  // the folder's count in the header
  EXPECT_EQ(std::ranges::count(texts, "2"), 1);  // one badge: the single message has none
  EXPECT_EQ(std::ranges::count(texts, "1"), 0);
}

}  // namespace
}  // namespace mail::pane
