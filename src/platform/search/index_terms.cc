#include "platform/search/index_terms.h"

#include <unordered_set>

#include "platform/search/utf8.h"

namespace orvo::search {
namespace {

bool is_word_character(char32_t c) {
  if (c < 0x80) return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  const bool latin1_symbol = c <= 0xBF || c == 0xD7 || c == 0xF7;
  const bool general_punctuation = c >= 0x2000 && c <= 0x206F;
  const bool cjk_punctuation = c >= 0x3000 && c <= 0x303F;
  return !latin1_symbol && !general_punctuation && !cjk_punctuation && c != replacement_character;
}

std::vector<std::string_view> words(std::string_view text) {
  std::vector<std::string_view> found;
  const char* word_start = nullptr;
  while (!text.empty()) {
    const char* here = text.data();
    const bool in_word = is_word_character(pop_code_point(text));
    if (in_word && word_start == nullptr) word_start = here;
    if (!in_word && word_start != nullptr) {
      found.emplace_back(word_start, here);
      word_start = nullptr;
    }
  }
  if (word_start != nullptr) found.emplace_back(word_start, text.data());
  return found;
}

// Keeps the first occurrence of each term; hashing is far cheaper than sorting the grams of a
// long message body.
class DistinctTerms {
 public:
  void add(std::string_view term) {
    if (seen_.insert(term).second) terms_.push_back(term);
  }
  std::vector<std::string_view> take() { return std::move(terms_); }

 private:
  std::unordered_set<std::string_view> seen_;
  std::vector<std::string_view> terms_;
};

void add_grams(std::string_view word, DistinctTerms& grams) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (!is_continuation_byte(word[i])) starts.push_back(i);
  }
  starts.push_back(word.size());
  for (std::size_t i = 0; i + gram_length < starts.size(); ++i) {
    grams.add(word.substr(starts[i], starts[i + gram_length] - starts[i]));
  }
}

}  // namespace

std::vector<std::string_view> index_tokens(std::string_view text) {
  DistinctTerms tokens;
  for (const std::string_view word : words(text)) tokens.add(word);
  return tokens.take();
}

std::vector<std::string_view> index_grams(std::string_view text) {
  DistinctTerms grams;
  for (const std::string_view word : index_tokens(text)) add_grams(word, grams);
  return grams.take();
}

bool term_matches_word(std::string_view term, std::string_view word) {
  return code_point_count(term) < gram_length ? word.starts_with(term) : word.find(term) != std::string_view::npos;
}

}  // namespace orvo::search
