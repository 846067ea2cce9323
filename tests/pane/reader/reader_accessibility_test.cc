#include "pane/reader_accessibility.h"

#include <gtest/gtest.h>

#include "reader_harness.h"

namespace mail::pane {
namespace {

using orvo::ui::AccessNode;
using orvo::ui::AccessRole;

struct Action {
  std::string label;
  std::string id;
  friend bool operator==(const Action&, const Action&) = default;
  friend void PrintTo(const Action& action, std::ostream* out) { *out << action.label << " → " << action.id; }
};

std::string description_of(const AccessNode& node) { return node.description; }

std::vector<Action> actions_of(const AccessNode& node) {
  std::vector<Action> actions;
  for (const orvo::ui::AccessAction& action : node.actions) {
    actions.push_back({action.label, action.id});
  }
  return actions;
}

class ReaderAccessibilityTest : public ::testing::Test {
 protected:
  ReaderAccessibilityTest() {
    state_.store.insert(mail(1, "Plans", 10));
    message::MessageRecord reply = mail(2, "Re: Plans", 20);
    reply.attachments = {{.filename = "rollout-gantt.pdf", .mime_type = "application/pdf", .size = 184'320},
                         {.filename = "notes.txt", .mime_type = "text/plain", .size = 512}};
    state_.store.insert(std::move(reply));
  }

  state::MailState state_{{}, 0, nullptr, 0};
};

TEST_F(ReaderAccessibilityTest, AMessageBeingReadOffersItsCommandsAndAttachments) {
  state_.selected = message::MessageId{0, 2};
  const AccessNode node = reader_accessibility(state_);
  EXPECT_EQ(node.label, "Reading: Re: Plans");
  EXPECT_EQ(description_of(node), "Current message from Sender 2; 2 messages in this conversation");

  const std::string prefix = "mail.reader:00000000-0000-0000-0000-000000000002:";
  EXPECT_EQ(actions_of(node), (std::vector<Action>{
                                  {"Reply", prefix + "reply"},
                                  {"Archive", prefix + "archive"},
                                  {"Delete", prefix + "delete"},
                                  {"Toggle star", prefix + "star"},
                                  {"Toggle read", prefix + "read"},
                                  {"Save attachment rollout-gantt.pdf (180 KB)", prefix + "save-attachment:0"},
                                  {"Save attachment notes.txt (512 B)", prefix + "save-attachment:1"},
                              }));
}

TEST_F(ReaderAccessibilityTest, DescriptionTellsAPreviewOfThisMessageOnly) {
  state_.selected = message::MessageId{0, 1};
  state_.preview = true;
  state_.previewed = {0, 1};
  EXPECT_EQ(description_of(reader_accessibility(state_)),
            "Current message from Sender 1; 2 messages in this conversation; previewing without changing its read "
            "state");

  state_.previewed = {0, 2};
  EXPECT_EQ(description_of(reader_accessibility(state_)),
            "Current message from Sender 1; 2 messages in this conversation");
}

TEST_F(ReaderAccessibilityTest, ASenderWithoutANameIsGivenByAddress) {
  message::MessageRecord anonymous = mail(3, "Lunch");
  anonymous.from = {"unknown@unknown", std::nullopt};
  state_.store.insert(anonymous);
  state_.selected = message::MessageId{0, 3};
  EXPECT_EQ(description_of(reader_accessibility(state_)),
            "Current message from unknown@unknown; 1 message in this conversation");
}

TEST_F(ReaderAccessibilityTest, BulkSelectionCountsAndExplainsThePause) {
  state_.selected = message::MessageId{0, 2};
  state_.toggle_bulk_selection({0, 1});
  const AccessNode node = reader_accessibility(state_);
  EXPECT_EQ(node.value, "1 selected");
  EXPECT_EQ(description_of(node),
            "Choose a batch action in the message list. Individual message actions are paused while selecting.");
  EXPECT_TRUE(actions_of(node).empty());
}

TEST_F(ReaderAccessibilityTest, WithoutAMessageNothingIsSelected) {
  for (const std::optional<message::MessageId>& selected : {std::optional<message::MessageId>(),
                                                            std::optional(message::MessageId{0, 9})}) {
    state_.selected = selected;
    const AccessNode node = reader_accessibility(state_);
    EXPECT_EQ(node.label, "No conversation selected");
    EXPECT_EQ(description_of(node), "Select a conversation to read");
    EXPECT_TRUE(actions_of(node).empty());
  }
}

}  // namespace
}  // namespace mail::pane
