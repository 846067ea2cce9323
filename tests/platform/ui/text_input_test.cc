#include "platform/ui/text_input.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/clipboard.h"
#include "platform/ui/gui_session.h"
#include "platform/ui/recording_canvas.h"

namespace orvo::ui {
namespace {

using testing::FixedText;
using testing::RecordingCanvas;

Event type(std::string text) { return KeyPress{.text = std::move(text)}; }
Event press(Key key, Modifiers modifiers = {}) { return KeyPress{.key = key, .modifiers = modifiers}; }
Event shift(Key key) { return press(key, {.shift = true}); }
Event ctrl(std::string letter) { return KeyPress{.text = std::move(letter), .modifiers = {.ctrl = true}}; }

class TextInputTest : public ::testing::Test {
 protected:
  // The clipboard needs the platform's graphics runtime.
  static void SetUpTestSuite() { session_ = std::make_unique<GuiSession>(); }
  static void TearDownTestSuite() { session_.reset(); }

  TextInput focused_field(std::string_view text, InputKind kind = InputKind::Plain) {
    TextInput field = TextInput::local(theme_).with_initial_value(text).with_kind(kind).with_placeholder("Search");
    field.apply_layout_external({100, 0, 300, 30});
    field.set_focused(true);
    return field;
  }

  FrameContext context() { return {.now = Clock::now(), .window = {800, 600}, .text = text_}; }
  EventOutcome send(TextInput& field, const Event& event) { return field.handle_event(event, context()); }

  static std::unique_ptr<GuiSession> session_;
  Theme theme_ = Theme::dark();
  FixedText text_;
};

std::unique_ptr<GuiSession> TextInputTest::session_;

struct EditCase {
  const char* name;
  std::string initial;
  std::vector<Event> events;
  std::string expected;
};

TEST_F(TextInputTest, EditsWithTheKeyboard) {
  const std::vector<EditCase> cases = {
      {"typing inserts at the caret", "", {type("a"), type("é"), type("b")}, "aéb"},
      {"backspace erases a two-byte character whole", "aé", {press(Key::Backspace)}, "a"},
      {"backspace erases a letter with its combining accent", "ae\u0301", {press(Key::Backspace)}, "a"},
      {"backspace erases a flag of two code points", "x\U0001F1EB\U0001F1F7", {press(Key::Backspace)}, "x"},
      {"left steps over multi-byte characters", "aéb", {press(Key::Left), press(Key::Left), type("X")}, "aXéb"},
      {"delete erases after the caret", "abc", {press(Key::Home), press(Key::Delete)}, "bc"},
      {"home and end", "bc", {press(Key::Home), type("a"), press(Key::End), type("d")}, "abcd"},
      {"shift-left selects and typing replaces", "hello", {shift(Key::Left), shift(Key::Left), type("p!")}, "help!"},
      {"ctrl-a selects everything", "old", {ctrl("a"), type("new")}, "new"},
      {"ctrl-shift-a selects everything",
       "old",
       {KeyPress{.text = "A", .modifiers = {.shift = true, .ctrl = true}}, type("x")},
       "x"},
      {"left collapses a selection to its start",
       "abcd",
       {shift(Key::Left), shift(Key::Left), press(Key::Left), type("X")},
       "abXcd"},
      {"backspace erases only the selection", "abcd", {shift(Key::Left), press(Key::Backspace)}, "abc"},
      {"shift-home selects to the start", "abc", {press(Key::Left), shift(Key::Home), press(Key::Delete)}, "c"},
      {"chords with alt or meta type nothing",
       "ab",
       {KeyPress{.text = "x", .modifiers = {.alt = true}}, KeyPress{.text = "y", .modifiers = {.meta = true}}},
       "ab"},
      {"typed control characters are dropped", "", {type("a\x07"), type("\tb")}, "a b"},
  };
  for (const EditCase& edit : cases) {
    TextInput field = focused_field(edit.initial);
    for (const Event& event : edit.events) send(field, event);
    EXPECT_EQ(field.text(), edit.expected) << edit.name;
  }
}

TEST_F(TextInputTest, LeavesKeysItDoesNotUseToItsOwner) {
  TextInput field = focused_field("abc");
  for (const Key key : {Key::Enter, Key::Escape, Key::Tab, Key::Up, Key::Down, Key::F5}) {
    EXPECT_EQ(send(field, press(key)), EventOutcome::Ignored);
  }
  EXPECT_EQ(send(field, ctrl("f")), EventOutcome::Ignored);
  EXPECT_EQ(send(field, press(Key::Left, {.ctrl = true})), EventOutcome::Ignored);

  field.set_focused(false);
  EXPECT_EQ(send(field, type("x")), EventOutcome::Ignored);
  EXPECT_FALSE(field.accepts_text_input());
  EXPECT_EQ(field.text(), "abc");
}

TEST_F(TextInputTest, ReportsUserEditsButNotProgramChanges) {
  TextInput field = focused_field("ab");
  send(field, press(Key::Left));
  send(field, shift(Key::Home));
  EXPECT_FALSE(field.changed()) << "moving the caret";
  field.set_text("from the program");
  EXPECT_FALSE(field.changed());

  send(field, type("x"));
  EXPECT_TRUE(field.changed());
  field.clear_changed();
  send(field, press(Key::Backspace));
  EXPECT_TRUE(field.changed());
  field.clear_changed();

  EXPECT_TRUE(field.perform_semantic_action({.kind = SemanticKind::SetValue, .value = "set"}, context()));
  EXPECT_EQ(field.text(), "set");
  EXPECT_TRUE(field.changed());
}

TEST_F(TextInputTest, ComposesWithAnInputMethod) {
  TextInput field = focused_field("a");
  send(field, Composition{.preedit = "ni"});
  EXPECT_EQ(field.text(), "a");
  EXPECT_FALSE(field.changed());

  RecordingCanvas canvas;
  field.draw(canvas);
  ASSERT_EQ(canvas.texts.size(), 1U);
  EXPECT_EQ(canvas.texts[0].text, "ani");
  ASSERT_EQ(canvas.lines.size(), 1U) << "the preedit is underlined";
  EXPECT_DOUBLE_EQ(canvas.lines[0].from.x, 110);
  EXPECT_DOUBLE_EQ(canvas.lines[0].to.x, 130);

  EXPECT_EQ(send(field, press(Key::Backspace)), EventOutcome::Handled);
  EXPECT_EQ(field.text(), "a") << "keys belong to the input method while it composes";

  send(field, Composition{.commit = "你"});
  EXPECT_EQ(field.text(), "a你");
  EXPECT_EQ(field.preedit(), "");
  EXPECT_TRUE(field.changed());
}

TEST_F(TextInputTest, PreeditUpdatesKeepTheSelection) {
  TextInput field = focused_field("abc");
  send(field, ctrl("a"));
  send(field, Composition{.preedit = "k"});
  EXPECT_EQ(field.text(), "abc");
  send(field, Composition{.commit = "ka"});
  EXPECT_EQ(field.text(), "ka");
}

TEST_F(TextInputTest, CopiesCutsAndPastesThroughTheClipboard) {
  TextInput source = focused_field("copy me");
  send(source, ctrl("a"));
  send(source, ctrl("x"));
  EXPECT_EQ(source.text(), "");
  EXPECT_EQ(clipboard::text(), "copy me");

  TextInput target = focused_field("x ");
  send(target, ctrl("v"));
  EXPECT_EQ(target.text(), "x copy me");

  clipboard::set_text("two\r\nlines");
  TextInput single = focused_field("");
  send(single, ctrl("v"));
  EXPECT_EQ(single.text(), "two lines");
}

TEST_F(TextInputTest, MaskedFieldNeverLetsItsTextOut) {
  TextInput field = focused_field("", InputKind::Password);
  send(field, type("s3cret"));
  send(field, type("é"));
  EXPECT_EQ(field.text(), "s3creté");

  const std::optional<AccessNode> node = field.accessibility();
  ASSERT_TRUE(node);
  EXPECT_EQ(node->role, AccessRole::TextField);
  EXPECT_EQ(node->label, "Search");
  EXPECT_EQ(node->value, "");

  RecordingCanvas canvas;
  field.draw(canvas);
  ASSERT_EQ(canvas.texts.size(), 1U);
  EXPECT_EQ(canvas.texts[0].text, "•••••••");

  clipboard::set_text("before");
  send(field, ctrl("a"));
  send(field, ctrl("c"));
  send(field, ctrl("x"));
  EXPECT_EQ(clipboard::text(), "before");
  EXPECT_EQ(field.text(), "s3creté") << "cut must not erase what it could not copy";
}

TEST_F(TextInputTest, PlainFieldShowsItsTextToAssistiveTechnology) {
  const std::optional<AccessNode> node = focused_field("query").accessibility();
  ASSERT_TRUE(node);
  EXPECT_EQ(node->label, "Search");
  EXPECT_EQ(node->value, "query");
  EXPECT_EQ(node->bounds, (Rect{100, 0, 300, 30}));
}

TEST_F(TextInputTest, PlacesTheCaretWhereThePointerPresses) {
  TextInput field = focused_field("abcd");
  send(field, PointerPress{{121, 10}});
  send(field, type("X"));
  EXPECT_EQ(field.text(), "abXcd");

  send(field, PointerPress{{101, 10}});
  send(field, PointerMove{{139, 10}});
  send(field, PointerRelease{{139, 10}});
  EXPECT_EQ(field.line().selected_text(), "abXc");
  EXPECT_EQ(send(field, PointerPress{{99, 10}}), EventOutcome::Ignored) << "outside the field";
}

TEST_F(TextInputTest, KeepsTheCaretInView) {
  TextInput field = focused_field(std::string(30, 'w'));  // 300 wide in a 200-wide field
  RecordingCanvas at_end;
  field.draw(at_end);
  ASSERT_FALSE(at_end.fills.empty());
  const Rect caret = at_end.fills.back().rect;
  EXPECT_GE(caret.x0, 100);
  EXPECT_LE(caret.x1, 300);
  // Scrolled by the overflow: 300 of text in 200 less the caret's width.
  EXPECT_DOUBLE_EQ(at_end.texts[0].origin.x, 100 - (300 - 198.5));

  send(field, press(Key::Home));
  RecordingCanvas at_start;
  field.draw(at_start);
  EXPECT_DOUBLE_EQ(at_start.texts[0].origin.x, 100);
  EXPECT_DOUBLE_EQ(at_start.fills.back().rect.x0, 100);
}

TEST_F(TextInputTest, ShowsThePlaceholderWhileEmpty) {
  TextInput field = focused_field("");
  RecordingCanvas canvas;
  field.draw(canvas);
  ASSERT_EQ(canvas.texts.size(), 1U);
  EXPECT_EQ(canvas.texts[0].text, "Search");
}

}  // namespace
}  // namespace orvo::ui
