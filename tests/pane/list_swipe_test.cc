#include <gtest/gtest.h>

#include "pane/pane_harness.h"

namespace mail::pane {
namespace {

using message::FolderKind;
using orvo::ui::Point;
using orvo::ui::PointerMove;
using orvo::ui::PointerRelease;

class ListSwipeTest : public ::testing::Test {
 protected:
  // Presses the first row, drags it sideways by `dx` in two steps and lets go.
  void swipe(double dx) {
    PaneHarness list(PaneKind::List, mail_.shared(), {0, 0, 600, 800});
    const Point start = list.region(PaneHitKind::OpenMessage).rect.center();
    list.press(start);
    list.send(PointerMove{{start.x + dx / 2, start.y}});
    list.send(PointerMove{{start.x + dx, start.y}});
    list.send(PointerRelease{{start.x + dx, start.y}});
  }

  MailFixture mail_;
};

TEST_F(ListSwipeTest, LettingGoFarEnoughArchivesOrDeletes) {
  struct Case {
    FolderKind folder;
    double dx;
    std::optional<FolderKind> after;  // none: deleted for good
  };
  const Case cases[] = {
      {FolderKind::Inbox, -72, FolderKind::Archive}, {FolderKind::Inbox, -71, FolderKind::Inbox},
      {FolderKind::Inbox, 72, FolderKind::Trash},    {FolderKind::Inbox, 71, FolderKind::Inbox},
      {FolderKind::Trash, 72, std::nullopt},         {FolderKind::Trash, -200, FolderKind::Archive},
  };
  std::uint64_t n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "swipe by " << c.dx << " in " << message::display_name(c.folder));
    mail_.state().current_folder = c.folder;
    mail_.add(++n, {.folder = c.folder});
    swipe(c.dx);
    const message::MessageRecord* after = mail_.find(n);
    EXPECT_EQ(after ? std::optional(after->folder) : std::nullopt, c.after);
    mail_.state().store.clear();
  }
}

TEST_F(ListSwipeTest, ArchivingByASwipeSelectsTheFirstRowAgain) {
  mail_.add(1, {.date = 1});
  mail_.add(2, {.date = 2});
  mail_.add(3, {.date = 3});
  PaneHarness list(PaneKind::List, mail_.shared(), {0, 0, 600, 800});
  const Point start = list.region(PaneHitKind::OpenMessage, 2).rect.center();
  list.press(start);  // opens the oldest message, which the swipe then takes away
  list.send(PointerMove{{start.x - 100, start.y}});
  list.send(PointerRelease{{start.x - 100, start.y}});
  EXPECT_EQ(mail_.find(1)->folder, FolderKind::Archive);
  EXPECT_EQ(mail_.state().selected, (message::MessageId{0, 3}));
}

TEST_F(ListSwipeTest, ReleaseForgetsThePressAndBulkSelectionNeverSwipes) {
  mail_.add(1, {});
  PaneHarness list(PaneKind::List, mail_.shared(), {0, 0, 600, 800});
  const Point start = list.region(PaneHitKind::OpenMessage).rect.center();
  list.press(start);
  list.send(PointerRelease{start});
  EXPECT_EQ(list.send(PointerMove{{start.x - 100, start.y}}), orvo::ui::EventOutcome::Ignored);
  list.send(PointerRelease{{start.x - 100, start.y}});
  EXPECT_EQ(mail_.find(1)->folder, FolderKind::Inbox);

  mail_.state().bulk_mode = true;
  swipe(-100);
  EXPECT_EQ(mail_.find(1)->folder, FolderKind::Inbox);
}

TEST_F(ListSwipeTest, TheSwipedRowShowsWhatLettingGoWillDo) {
  mail_.add(1, {});
  PaneHarness list(PaneKind::List, mail_.shared(), {0, 0, 600, 800});
  const Point start = list.region(PaneHitKind::OpenMessage).rect.center();
  list.press(start);
  list.send(PointerMove{{start.x - 6, start.y}});  // not yet a swipe
  list.draw();
  EXPECT_EQ(std::ranges::count(list.drawn_texts(), "Archive"), 0);
  list.send(PointerMove{{start.x - 30, start.y}});
  list.draw();
  EXPECT_EQ(std::ranges::count(list.drawn_texts(), "Archive"), 1);
  list.send(PointerMove{{start.x + 30, start.y}});
  list.draw();
  EXPECT_EQ(std::ranges::count(list.drawn_texts(), "Delete"), 1);
}

}  // namespace
}  // namespace mail::pane
