#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>

#include "platform/storage/temp_folder.h"
#include "platform/thread/one_result_slot.h"
#include "platform/ui/portal.h"
#include "scripted_chooser.h"

namespace mail::compose {
namespace {

namespace fs = std::filesystem;
namespace portal = orvo::ui::portal;
using orvo::thread::Abandoned;
using orvo::thread::Pending;

TEST(OneResultSlot, AnswersOnceThenIsSpent) {
  int changes = 0;
  auto [writer, slot] = orvo::thread::make_one_result_slot<int>([&] { ++changes; });
  EXPECT_TRUE(std::holds_alternative<Pending>(slot.poll()));

  EXPECT_TRUE(std::move(writer).set(7));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(std::get<int>(slot.poll()), 7);
  EXPECT_TRUE(std::holds_alternative<Abandoned>(slot.poll()));
}

TEST(OneResultSlot, TellsEachSideWhenTheOtherIsGone) {
  int changes = 0;
  auto [silent_writer, abandoned] = orvo::thread::make_one_result_slot<int>([&] { ++changes; });
  { const auto gone = std::move(silent_writer); }
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(std::holds_alternative<Abandoned>(abandoned.poll()));

  auto [writer, unread] = orvo::thread::make_one_result_slot<int>([&] { ++changes; });
  { const auto gone = std::move(unread); }
  EXPECT_FALSE(std::move(writer).set(7));
  EXPECT_EQ(changes, 1);
}

class Pickers : public ::testing::Test {
 protected:
  static portal::PickRequest request() {
    return {.title = "Attach file", .accept_label = "Attach", .thread_name = "mail-portal-stage-attachment"};
  }

  orvo::storage::TempFolder folder_ = orvo::storage::TempFolder::create("orvo-picker-test-").value();
};

TEST_F(Pickers, HandOverThePickedFileOpenFromTheirOwnNamedThread) {
  const fs::path picked = folder_.path() / "notes.txt";
  std::ofstream(picked) << "picked content";
  const auto chooser = std::make_shared<test::ScriptedChooser>(picked);
  const test::ChooserScope scope(chooser);

  auto slot = portal::open_file(request());
  auto answer = test::settle(slot);
  fs::remove(picked);

  auto* opened = std::get_if<portal::OpenedFile>(&std::get<portal::OpenAnswer>(answer));
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(opened->name(), "notes.txt");
  EXPECT_EQ(std::move(*opened).into_file().read_at_most(100), "picked content");
  const auto asked = chooser->asked();
  ASSERT_EQ(asked.size(), 1U);
  EXPECT_EQ(asked[0].kind, portal::PickKind::OpenFile);
  EXPECT_EQ(asked[0].thread_name, "mail-portal-sta");
}

TEST_F(Pickers, ReportAFileThatCannotBeOpened) {
  const fs::path missing = folder_.path() / "missing.txt";
  const test::ChooserScope scope(std::make_shared<test::ScriptedChooser>(missing));

  auto slot = portal::open_file(request());
  const auto answer = test::settle(slot);
  const auto* error = std::get_if<portal::PortalError>(&std::get<portal::OpenAnswer>(answer));
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->message, "could not open " + missing.string() + ": No such file or directory");
}

TEST_F(Pickers, PassOnCancellationAndErrors) {
  const portal::ChosenPath answers[] = {portal::Cancelled{}, portal::PortalError{"portal unavailable"}};
  for (const auto& chosen : answers) {
    const test::ChooserScope scope(std::make_shared<test::ScriptedChooser>(chosen));
    auto open_slot = portal::open_file(request());
    auto save_slot = portal::save_file(request());
    const auto opened = std::get<portal::OpenAnswer>(test::settle(open_slot));
    const auto saved = std::get<portal::SaveAnswer>(test::settle(save_slot));

    EXPECT_EQ(opened.index(), chosen.index());
    EXPECT_EQ(saved.index(), chosen.index());
    if (const auto* error = std::get_if<portal::PortalError>(&chosen)) {
      EXPECT_EQ(std::get<portal::PortalError>(opened).message, error->message);
      EXPECT_EQ(std::get<portal::PortalError>(saved).message, error->message);
    }
  }
}

TEST_F(Pickers, LeaveTheSlotAbandonedWhenTheChooserFails) {
  struct FailingChooser final : portal::Chooser {
    portal::ChosenPath choose(portal::PickKind, const portal::PickRequest&) override {
      throw std::runtime_error("the chooser went away");
    }
  };
  const test::ChooserScope scope(std::make_shared<FailingChooser>());
  auto slot = portal::save_file(request());
  EXPECT_TRUE(std::holds_alternative<Abandoned>(test::settle(slot)));
}

TEST_F(Pickers, AnswerAtOnceWhenThereIsNoDisplay) {
  auto slot = portal::open_file(request());
  const auto answer = test::settle(slot);
  const auto* error = std::get_if<portal::PortalError>(&std::get<portal::OpenAnswer>(answer));
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->message, "no file chooser is available without a display");
}

}  // namespace
}  // namespace mail::compose
