#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace orvo::search {

// The terms an entry is indexed under and a query is split into, taken from normalised text
// (normalize_search_text). A word is a run of letters and digits; everything else separates.

// Code points per n-gram. Shorter terms are looked up as the start of a word instead.
inline constexpr std::size_t gram_length = 3;

// The distinct words of the text, in order of first appearance, as views into it.
std::vector<std::string_view> index_tokens(std::string_view text);

// The distinct n-grams inside the words of the text, in order of first appearance, as views
// into it. Grams never span two words, so that a query only finds text holding each of its words.
std::vector<std::string_view> index_grams(std::string_view text);

// Whether a word satisfies a query term: a term shorter than an n-gram must begin the
// word, a longer one may stand anywhere in it.
bool term_matches_word(std::string_view term, std::string_view word);

}  // namespace orvo::search
