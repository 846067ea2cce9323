// Whole-window flows through the launcher: scripted input, then the accessibility tree.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "program_fixture.h"

namespace {

using Window = orvo::e2e::ProgramFixture;
using orvo::e2e::find_node;
using orvo::e2e::has_label;

// Rows of the wide window's list: 90 high from y 57.7 (140 lower under the bulk bar),
// text column near x 490.
std::string row(int index, bool bulk = false) { return "490 " + std::to_string(102 + (bulk ? 140 : 0) + 90 * index); }

std::vector<nlohmann::json> list_items(const nlohmann::json& tree) {
  std::vector<nlohmann::json> items;
  const nlohmann::json list = find_node(tree, "list", "Messages").value();
  for (const auto& child : list.at("children")) {
    if (child["role"] == "list-item") items.push_back(child);
  }
  return items;
}

bool unread(const nlohmann::json& item) { return item.value("value", "").find("unread") != std::string::npos; }

std::string status_of(const nlohmann::json& tree) {
  for (const auto& child : tree.at("children")) {
    if (child["role"] == "status" && child["label"] != "Syncing mail") return child["label"];
  }
  return "";
}

TEST_F(Window, OpeningMarksReadWhilePreviewingKeepsUnread) {
  const auto previewed = dump("wide", {"--input", "key Down; key Down; key p"});
  EXPECT_TRUE(unread(list_items(previewed).at(2)));
  const auto reader = previewed.at("children").back();
  EXPECT_NE(reader.dump().find("previewing without changing its read state"), std::string::npos);

  const auto opened = dump("wide", {"--input", "key Down; key Down; key Enter"});
  EXPECT_FALSE(unread(list_items(opened).at(2)));
}

TEST_F(Window, XThenEArchivesTheSelectedMessages) {
  const auto tree = dump("wide", {"--input", "key x; click " + row(0, true) + "; click " + row(1, true) + "; click " + row(2, true) + "; key e"});
  EXPECT_EQ(status_of(tree), "Archived 3 messages");
  EXPECT_EQ(list_items(tree).size(), 6u);  // the remaining conversations of the Inbox
}

TEST_F(Window, ShiftDeleteOnATrashSelectionAsksAndEnterDeletes) {
  const std::string select_trash = "key Delete; action mail.folder:0:trash; key x; action mail.bulk:select-all; key Shift+Delete";
  EXPECT_TRUE(find_node(dump("wide", {"--input", select_trash}), "dialog", "Delete permanently?").has_value());
  const auto deleted = dump("wide", {"--input", select_trash + "; key Enter"});
  EXPECT_FALSE(find_node(deleted, "dialog", "Delete permanently?").has_value());
  EXPECT_EQ(status_of(deleted), "Permanently deleted 1 trashed message");
}

TEST_F(Window, ASwipeOf72ArchivesAndOf71DoesNothing) {
  const auto first_subject = [&](const std::string& end_x) {
    const auto tree = dump("wide", {"--input", "press 490 102; move " + end_x + " 102; release " + end_x + " 102"});
    return list_items(tree).at(0).value("label", "");
  };
  const std::string untouched = first_subject("490");
  EXPECT_EQ(first_subject("419"), untouched);
  EXPECT_NE(first_subject("418"), untouched);
}

TEST_F(Window, QuestionMarkOpensAndClosesTheReference) {
  EXPECT_TRUE(find_node(dump("wide", {"--input", "key ?"}), "dialog", "Mail keyboard shortcuts").has_value());
  EXPECT_FALSE(find_node(dump("wide", {"--input", "key ?; key ?"}), "dialog", "Mail keyboard shortcuts").has_value());
}

TEST_F(Window, TheContextMenuOfAnInboxMessageHasEightItems) {
  const auto menu = find_node(dump("wide", {"--input", "click " + row(0) + " right"}), "menu", "Message actions");
  ASSERT_TRUE(menu.has_value());
  EXPECT_EQ(menu->at("actions").size(), 8u);
  EXPECT_TRUE(has_label(dump("context_menu"), "Message actions"));
}

TEST_F(Window, TypingRightAfterSlashSearches) {
  const auto tree = dump("wide", {"--input", "key /; type launch"});
  const auto items = list_items(tree);
  ASSERT_FALSE(items.empty());
  for (const auto& item : items) EXPECT_NE(item.value("label", "").find("aunch"), std::string::npos);
}

}  // namespace
