#include "doc/text_normalization.h"

#include <gtest/gtest.h>

namespace mail::doc {
namespace {

const std::string replacement = "\xef\xbf\xbd";

TEST(NormalizeText, CleansTrimsAndCutsByCharacters) {
  const struct {
    const char* name;
    std::string text;
    std::size_t max;
    TextMode mode;
    std::string expected;
  } cases[] = {
      {"spaces around, a tab inside a line", "  Quarterly\tplan  ", 998, TextMode::SingleLine, "Quarterlyplan"},
      {"line breaks in one line", "one\r\ntwo", 998, TextMode::SingleLine, "onetwo"},
      {"a body keeps breaks and tabs", "\n\n  Dear Ada,\n\n\tthanks\r\n\n", 100, TextMode::MultiLine,
       "Dear Ada,\n\n\tthanks"},
      {"a body loses form feeds and escapes", "a\fb\x1b[0mc", 100, TextMode::MultiLine, "ab[0mc"},
      {"C1 controls and DEL go", "a\xc2\x85" "b\xc2\x9f" "c\x7f" "d", 100, TextMode::MultiLine, "abcd"},
      {"only white space and controls", " \x01 \t\x02\n ", 100, TextMode::MultiLine, ""},
      {"white space beyond ASCII is trimmed", "\xe3\x80\x80" "Ada\xc2\xa0", 100, TextMode::SingleLine, "Ada"},
      {"cut at the limit", "abcdef", 4, TextMode::SingleLine, "abcd"},
      {"characters, not bytes, are counted", "\xc3\xa9\xc3\xa9\xc3\xa9", 2, TextMode::SingleLine, "\xc3\xa9\xc3\xa9"},
      {"dropped characters do not count", "\x01\x02" "abc", 2, TextMode::SingleLine, "ab"},
      {"four-byte characters stay whole", "\xf0\x9f\x93\x8e x", 1, TextMode::SingleLine, "\xf0\x9f\x93\x8e"},
      {"bytes that are not UTF-8 become U+FFFD", "a\xff" "b\xc3", 10, TextMode::SingleLine,
       "a" + replacement + "b" + replacement},
      {"an overlong form is not UTF-8", "\xc0\xaf", 10, TextMode::SingleLine, replacement + replacement},
      {"a surrogate is not UTF-8", "\xed\xa0\x80", 1, TextMode::SingleLine, replacement},
  };
  for (const auto& [name, text, max, mode, expected] : cases) {
    EXPECT_EQ(normalize_text(text, max, mode), expected) << name;
  }
}

}  // namespace
}  // namespace mail::doc
