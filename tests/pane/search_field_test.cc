#include <gtest/gtest.h>

#include "pane/pane_harness.h"

namespace mail::pane {
namespace {

using message::MessageId;
using orvo::ui::Key;
using orvo::ui::KeyPress;

class SearchFieldTest : public ::testing::Test {
 protected:
  SearchFieldTest() {
    mail_.add(1, {.date = 2});
    mail_.add(2, {.date = 1});
    mail_.state().selected = MessageId{0, 1};
  }

  void type(PaneHarness& list, std::string_view text) {
    for (const char c : text) list.send(KeyPress{.text = std::string(1, c)});
  }

  MailFixture mail_;
};

TEST_F(SearchFieldTest, TypingFiltersTheListFromItsFirstRow) {
  PaneHarness list(PaneKind::List, mail_.shared(), {0, 0, 600, 800});
  list.press(PaneHitKind::SearchField);
  EXPECT_TRUE(mail_.state().search_focused);
  EXPECT_TRUE(list.pane().accepts_text_input());

  type(list, "ject 2");
  EXPECT_EQ(mail_.state().search_query, "ject 2");
  EXPECT_EQ(mail_.state().selected, (MessageId{0, 2}));
  EXPECT_EQ(std::ranges::count(list.region_kinds(), PaneHitKind::OpenMessage), 1);

  list.send(KeyPress{.key = Key::Backspace});
  EXPECT_EQ(mail_.state().search_query, "ject ");
  EXPECT_EQ(mail_.state().selected, (MessageId{0, 1}));
}

TEST_F(SearchFieldTest, ClearingEmptiesAndLeavesTheField) {
  PaneHarness list(PaneKind::List, mail_.shared(), {0, 0, 600, 800});
  list.press(PaneHitKind::SearchField);
  type(list, "x");
  list.press(PaneHitKind::ClearSearch);
  EXPECT_EQ(mail_.state().search_query, "");
  EXPECT_FALSE(mail_.state().search_focused);
  EXPECT_FALSE(list.pane().accepts_text_input());
  // Keys no longer reach the field.
  type(list, "y");
  EXPECT_EQ(mail_.state().search_query, "");
}

TEST_F(SearchFieldTest, TheNextDrawTakesAPendingFocusRequest) {
  PaneHarness list(PaneKind::List, mail_.shared(), {0, 0, 600, 800});
  mail_.state().search_focus_requested = true;
  list.draw();
  EXPECT_TRUE(mail_.state().search_focused);
  EXPECT_FALSE(mail_.state().search_focus_requested);
  type(list, "s");
  EXPECT_EQ(mail_.state().search_query, "s");
}

TEST_F(SearchFieldTest, BulkSelectionHidesTheFieldAndKeepsKeysAwayFromIt) {
  PaneHarness list(PaneKind::List, mail_.shared(), {0, 0, 600, 800});
  list.press(PaneHitKind::SearchField);
  list.press(PaneHitKind::ToggleBulk);
  type(list, "a");
  EXPECT_EQ(mail_.state().search_query, "");

  mail_.state().search_focus_requested = true;
  list.draw();
  EXPECT_FALSE(mail_.state().search_focus_requested);
  type(list, "b");
  EXPECT_EQ(mail_.state().search_query, "");
}

}  // namespace
}  // namespace mail::pane
