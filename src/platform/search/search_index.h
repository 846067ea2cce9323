#pragma once

#include <cstddef>
#include <cstdint>
#include <expected>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/search/search_entry.h"

namespace orvo::search {

// The entries of a catalogue with the words they hold, built once and never changed, so that
// any number of threads may read it. Words are indexed under their n-grams once for the whole
// catalogue rather than once per entry: mail repeats its vocabulary, and a rebuild then costs
// little more than reading each entry's words.
class SearchIndex {
 public:
  using EntryNumber = std::uint32_t;

  SearchIndex() = default;
  // Refuses an entry without an address and two entries with one address, since the
  // desktop opens a hit by its address.
  static std::expected<SearchIndex, std::string> build(std::vector<SearchEntry> entries);

  // The entries that hold every word of the query, the ones whose title holds more of
  // them first, otherwise in catalogue order.
  [[nodiscard]] std::vector<EntryNumber> find(std::string_view query) const;
  [[nodiscard]] const SearchHit& hit(EntryNumber entry) const { return hits_[entry]; }
  [[nodiscard]] std::size_t size() const { return hits_.size(); }

 private:
  using WordNumber = std::size_t;

  // Looks terms up by view, so that reading an entry allocates only for words not seen before.
  struct TermHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view term) const noexcept { return std::hash<std::string_view>()(term); }
  };

  void add(SearchEntry entry);
  WordNumber number_of(std::string_view word);
  void sort_vocabulary();

  [[nodiscard]] std::vector<EntryNumber> entries_with(std::string_view term) const;
  [[nodiscard]] std::vector<WordNumber> words_containing(std::string_view term) const;
  [[nodiscard]] std::vector<WordNumber> words_starting(std::string_view prefix) const;
  [[nodiscard]] std::vector<EntryNumber> ranked(const std::vector<EntryNumber>& found,
                                                const std::vector<std::string_view>& terms) const;

  std::vector<SearchHit> hits_;
  std::vector<std::string> titles_;                // normalised, for ranking
  std::vector<std::string> words_;                 // the vocabulary, in order of first appearance
  std::vector<std::vector<EntryNumber>> holders_;  // the entries that hold each word, ascending
  std::vector<WordNumber> words_by_spelling_;      // for finding the words that start with a prefix
  std::unordered_map<std::string, WordNumber, TermHash, std::equal_to<>> word_numbers_;
  std::unordered_map<std::string, std::vector<WordNumber>, TermHash, std::equal_to<>> gram_words_;
};

}  // namespace orvo::search
