#include "platform/search/index_terms.h"

#include <gtest/gtest.h>

namespace orvo::search {
namespace {

using Terms = std::vector<std::string_view>;

TEST(IndexTermsTest, TokensAreTheDistinctWordsInOrder) {
  EXPECT_EQ(index_tokens("re: launch plan, v2 — plan"), (Terms{"re", "launch", "plan", "v2"}));
  EXPECT_EQ(index_tokens("alice@example.com"), (Terms{"alice", "example", "com"}));
  EXPECT_EQ(index_tokens("«москва» 日本語"), (Terms{"москва", "日本語"}));
  EXPECT_EQ(index_tokens(" ,.! "), Terms{});
}

TEST(IndexTermsTest, GramsStayInsideWordsAndCountCodePoints) {
  EXPECT_EQ(index_grams("hello"), (Terms{"hel", "ell", "llo"}));
  EXPECT_EQ(index_grams("hi there"), (Terms{"the", "her", "ere"}));
  EXPECT_EQ(index_grams("aaaa"), (Terms{"aaa"}));
  EXPECT_EQ(index_grams("日本語です"), (Terms{"日本語", "本語で", "語です"}));
  EXPECT_EQ(index_grams("ab cd"), Terms{});
}

TEST(IndexTermsTest, ShortTermsMatchTheStartOfAWordOnly) {
  EXPECT_TRUE(term_matches_word("pl", "plan"));
  EXPECT_FALSE(term_matches_word("an", "plan"));
  EXPECT_TRUE(term_matches_word("lan", "plan"));
  EXPECT_TRUE(term_matches_word("日本", "日本語"));
  EXPECT_FALSE(term_matches_word("plans", "plan"));
}

}  // namespace
}  // namespace orvo::search
