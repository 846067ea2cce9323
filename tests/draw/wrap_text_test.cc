#include "draw/wrap_text.h"

#include <gtest/gtest.h>

#include "fixed_width_text.h"

namespace mail::draw {
namespace {

struct WrapCase {
  std::string_view name;
  std::string_view paragraph;
  double max_width;
  std::vector<std::string> lines;
};

// Widths count characters: 50 holds five.
const WrapCase wrap_cases[] = {
    {"empty-paragraph", "", 50, {""}},
    {"fits", "ab c", 50, {"ab c"}},
    {"exact-fit-stays-on-one-line", "ab cd", 50, {"ab cd"}},
    {"one-over-breaks-at-the-blank", "ab cde", 50, {"ab", "cde"}},
    {"greedy-fill", "a b c d e f g", 50, {"a b c", "d e f", "g"}},
    {"blank-runs-kept-inside-a-line", "a   b", 50, {"a   b"}},
    {"blank-run-dropped-at-a-break", "abcd   efg", 50, {"abcd", "efg"}},
    {"indent-kept", "  ab", 50, {"  ab"}},
    {"trailing-blanks-dropped", "ab   ", 50, {"ab"}},
    {"only-blanks", "   ", 50, {""}},
    {"long-word-cut-in-full-lines", "abcdefghijkl", 50, {"abcde", "fghij", "kl"}},
    {"long-word-starts-a-line-and-its-tail-continues", "ab cdefghi j", 50, {"ab", "cdefg", "hi j"}},
    {"utf8-cut-between-characters",
     "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9",
     50,
     {"\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9", "\xc3\xa9\xc3\xa9"}},
    {"utf8-four-byte-characters",
     "\xf0\x9f\x93\x8e\xf0\x9f\x93\x8e\xf0\x9f\x93\x8e",
     20,
     {"\xf0\x9f\x93\x8e\xf0\x9f\x93\x8e", "\xf0\x9f\x93\x8e"}},
    {"narrower-than-a-character", "ab\xc3\xa9", 5, {"a", "b", "\xc3\xa9"}},
    {"no-room-at-all", "ab", -1, {"a", "b"}},
};

TEST(WrapText, Table) {
  const FixedWidthText text;
  for (const WrapCase& wrap : wrap_cases) {
    SCOPED_TRACE(wrap.name);
    EXPECT_EQ(wrap_text(text, wrap.paragraph, {13.5}, wrap.max_width), wrap.lines);
  }
}

}  // namespace
}  // namespace mail::draw
