#include "platform/search/search_text.h"

#include <gtest/gtest.h>

namespace orvo::search {
namespace {

TEST(SearchTextTest, NormalizesCaseDiacriticsAndWhiteSpace) {
  struct Case {
    const char* name;
    std::string text;
    std::string normalized;
  };
  const std::vector<Case> cases = {
      {"empty", "", ""},
      {"ascii case", "Launch PLAN v2", "launch plan v2"},
      {"white space collapses and trims", "  tabs\t\tand\r\nlines  ", "tabs and lines"},
      {"unicode spaces are blanks", "a\u00A0b\u2003c\u3000d", "a b c d"},
      {"control characters are blanks", "a\x01\x7F" "b", "a b"},
      {"latin-1 diacritics", "ÀÉÎÕÜ àéîõü Ç ñ Ý ÿ", "aeiou aeiou c n y y"},
      {"latin-1 letters of two", "Straße ÆSIR Þorn", "strasse aesir thorn"},
      {"latin extended-a", "Łódź Žluťoučký kůň Œuvre Ĳssel", "lodz zlutoucky kun oeuvre ijssel"},
      {"greek and cyrillic lower-case", "ΑΘΗΝΑ МОСКВА Ёлка", "αθηνα москва ёлка"},
      {"signs are not letters", "5×3 ÷ 2", "5×3 ÷ 2"},
      {"other scripts are kept", "日本語", "日本語"},
      {"invisible characters are dropped", "pre\u00ADview\u200C mail\uFEFF", "preview mail"},
      {"a malformed byte is a blank", "a\xFF" "b", "a b"},
      {"an overlong form is a blank", "x\xC0\xAFy", "x y"},
      {"a cut sequence at the end", "caf\xC3", "caf"},
      {"a surrogate is a blank", "a\xED\xA0\x80" "b", "a b"},
  };
  for (const Case& c : cases) EXPECT_EQ(normalize_search_text(c.text), c.normalized) << c.name;
}

}  // namespace
}  // namespace orvo::search
