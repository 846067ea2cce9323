#include "platform/ui/input_script.h"

#include <gtest/gtest.h>

namespace orvo::ui {
namespace {

KeyPress only_key(std::string_view script) {
  auto steps = parse_input_script(script);
  EXPECT_TRUE(steps.has_value()) << (steps ? "" : steps.error());
  EXPECT_EQ(steps->size(), 1u);
  return std::get<KeyPress>(std::get<Event>(steps->front()));
}

TEST(InputScript, KeysTellNamedKeysCharactersAndModifiersApart) {
  struct Case {
    std::string_view script;
    Key key;
    std::string text;
    Modifiers modifiers;
  };
  const Case cases[] = {
      {"key Enter", Key::Enter, "", {}},
      {"key Shift+Delete", Key::Delete, "", {.shift = true}},
      {"key ?", Key::Character, "?", {}},
      {"key x", Key::Character, "x", {}},
      {"key Shift+p", Key::Character, "P", {.shift = true}},
      {"key Ctrl+F", Key::Character, "f", {.ctrl = true}},
      {"key Cmd+a", Key::Character, "a", {.meta = true}},
      {"key Alt+Meta+F5", Key::F5, "", {.alt = true, .meta = true}},
      {"key Ctrl++", Key::Character, "+", {.ctrl = true}},
      {"key Space", Key::Character, " ", {}},
      {"key /", Key::Character, "/", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    const KeyPress press = only_key(c.script);
    EXPECT_EQ(press.key, c.key);
    EXPECT_EQ(press.text, c.text);
    EXPECT_EQ(press.modifiers, c.modifiers);
  }
}

TEST(InputScript, TypedTextBecomesOneKeyPerCharacter) {
  auto steps = parse_input_script("type hé;key ?");
  ASSERT_TRUE(steps.has_value()) << steps.error();
  ASSERT_EQ(steps->size(), 3u);  // ";" ends the step
  EXPECT_EQ(std::get<KeyPress>(std::get<Event>((*steps)[1])).text, "é");

  steps = parse_input_script("type a\\;b");
  ASSERT_TRUE(steps.has_value());
  ASSERT_EQ(steps->size(), 3u);
  EXPECT_EQ(std::get<KeyPress>(std::get<Event>((*steps)[1])).text, ";");
}

TEST(InputScript, PointerWheelActionsAndPauses) {
  auto steps = parse_input_script(
      "click 10 20\n"
      "press 5 6 right\n"
      "wheel 1 2 -3\n"
      "wheel 1 2 40 0 pixels\n"
      "action mail.account:0 expand\n"
      "action mail.compose:subject set Hello there\n"
      "compose ni\n"
      "wait 15\n"
      "# a comment\n");
  ASSERT_TRUE(steps.has_value()) << steps.error();
  ASSERT_EQ(steps->size(), 10u);
  EXPECT_EQ(std::get<PointerPress>(std::get<Event>((*steps)[1])).position, (Point{10, 20}));
  EXPECT_EQ(std::get<PointerPress>(std::get<Event>((*steps)[3])).button, PointerButton::Secondary);
  EXPECT_EQ(std::get<Wheel>(std::get<Event>((*steps)[4])).dy, -3);
  EXPECT_EQ(std::get<Wheel>(std::get<Event>((*steps)[5])).unit, WheelUnit::Pixels);
  EXPECT_EQ(std::get<SemanticAction>((*steps)[6]).kind, SemanticKind::Expand);
  const auto& set = std::get<SemanticAction>((*steps)[7]);
  EXPECT_EQ(set.kind, SemanticKind::SetValue);
  EXPECT_EQ(set.value, "Hello there");
  EXPECT_EQ(std::get<Composition>(std::get<Event>((*steps)[8])).preedit, "ni");
  EXPECT_EQ(std::get<Pause>((*steps)[9]).duration, std::chrono::milliseconds(15));
}

TEST(InputScript, MistakesAreReportedWithTheStep) {
  for (std::string_view script : {"key", "key Hyper+x", "key Entr", "click 10", "wheel 1 2", "frobnicate", "wait -1",
                                  "action", "action x sideways"}) {
    SCOPED_TRACE(script);
    const auto steps = parse_input_script(script);
    ASSERT_FALSE(steps.has_value());
    EXPECT_TRUE(steps.error().starts_with("input script: ")) << steps.error();
  }
}

}  // namespace
}  // namespace orvo::ui
