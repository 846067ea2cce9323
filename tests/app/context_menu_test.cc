#include "app/context_menu.h"

#include <gtest/gtest.h>

namespace mail::app {
namespace {

using orvo::ui::Key;
using orvo::ui::KeyPress;
using state::MessageCommand;

class ContextMenuTest : public ::testing::Test {
 protected:
  ContextMenuTest() : state_({}, 0, nullptr, 0) {
    add({0, 1}, message::FolderKind::Inbox, true);
    add({0, 2}, message::FolderKind::Archive, false);
  }
  void add(message::MessageId id, message::FolderKind folder, bool read) {
    message::MessageRecord record;
    record.id = id;
    record.folder = folder;
    record.read = read;
    state_.store.insert(record);
  }
  ContextMenu open(message::MessageId id) { return *ContextMenu::open_for(state_, id, {10, 10}); }

  state::MailState state_;
};

TEST_F(ContextMenuTest, InboxMessagesHaveNoMoveToInbox) {
  EXPECT_EQ(open({0, 1}).items().size(), 8u);
  const ContextMenu archived = open({0, 2});
  ASSERT_EQ(archived.items().size(), 9u);
  EXPECT_EQ(archived.items()[7], MessageCommand::MoveToInbox);
  EXPECT_FALSE(ContextMenu::open_for(state_, {0, 9}, {}).has_value());
  EXPECT_EQ(menu_label(MessageCommand::ToggleRead, state_.store.find({0, 1})), "Mark unread");
  EXPECT_EQ(menu_label(MessageCommand::ToggleRead, state_.store.find({0, 2})), "Mark read");
}

TEST_F(ContextMenuTest, KeysMoveTheHighlightAndChooseItems) {
  ContextMenu menu = open({0, 1});
  const struct {
    KeyPress key;
    std::variant<ContextMenu::Nothing, ContextMenu::Activate, ContextMenu::Close> outcome;
    std::size_t highlighted;
  } steps[] = {
      {{Key::Up}, ContextMenu::Nothing{}, 7},  // wraps to the last
      {{Key::Down}, ContextMenu::Nothing{}, 0},
      {{Key::Tab}, ContextMenu::Nothing{}, 1},
      {{Key::End}, ContextMenu::Nothing{}, 7},
      {{Key::Home}, ContextMenu::Nothing{}, 0},
      {{Key::Character, "U"}, ContextMenu::Activate{3}, 0},
      {{Key::Backspace}, ContextMenu::Activate{6}, 0},
      {{Key::Character, " "}, ContextMenu::Activate{0}, 0},
      {{Key::Character, "x"}, ContextMenu::Nothing{}, 0},
      {{Key::Escape}, ContextMenu::Close{}, 0},
  };
  for (const auto& step : steps) {
    const auto outcome = menu.handle_key(step.key);
    EXPECT_EQ(outcome.index(), step.outcome.index());
    if (const auto* activate = std::get_if<ContextMenu::Activate>(&outcome)) {
      EXPECT_EQ(activate->index, std::get<ContextMenu::Activate>(step.outcome).index);
    }
    EXPECT_EQ(menu.highlighted(), step.highlighted);
  }
}

TEST_F(ContextMenuTest, StaysInsideTheWindowNearItsCorners) {
  const ContextMenu corner = *ContextMenu::open_for(state_, {0, 1}, {1270, 790});
  EXPECT_EQ(corner.placement({1280, 800}, 1), (orvo::ui::Rect{1024, 450, 1272, 792}));
  const ContextMenu origin = *ContextMenu::open_for(state_, {0, 2}, {0, 0});
  EXPECT_EQ(origin.placement({1280, 800}, 1).origin(), (orvo::ui::Point{4, 4}));
  EXPECT_EQ(origin.placement({1280, 800}, 3).width(), 496);  // the scale is clamped to 2
  EXPECT_EQ(corner.action_id(2), "mail.context:00000000-0000-0000-0000-000000000001:2");
}

}  // namespace
}  // namespace mail::app
