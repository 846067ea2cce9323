#include "platform/ui/editable_line.h"

#include <gtest/gtest.h>

namespace orvo::ui {
namespace {

TEST(EditableLineTest, CaretNeverStandsInsideACharacter) {
  EditableLine line;
  line.set_text("aé");  // "é" is bytes 1 and 2
  line.place_caret(2, false);
  EXPECT_EQ(line.caret(), 1U);
  line.place_caret(99, false);
  EXPECT_EQ(line.caret(), 3U);
}

TEST(EditableLineTest, ExtendingKeepsTheAnchor) {
  EditableLine line;
  line.set_text("abcdef");
  line.place_caret(2, false);
  line.place_caret(5, true);
  EXPECT_EQ(line.selected_text(), "cde");
  line.move(EditableLine::Motion::Home, true);
  EXPECT_EQ(line.selected_text(), "ab") << "the selection turns around its anchor";
}

TEST(EditableLineTest, KeepsOneLineOfValidText) {
  EditableLine line;
  line.set_text("a\nb\xFF");
  EXPECT_EQ(line.text(), "a b\uFFFD");
  EXPECT_FALSE(line.insert("\x01"));
}

}  // namespace
}  // namespace orvo::ui
