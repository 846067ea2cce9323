#include "platform/search/search_index.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <numeric>
#include <unordered_set>

#include "platform/search/index_terms.h"
#include "platform/search/search_text.h"
#include "platform/search/utf8.h"

namespace orvo::search {
namespace {

std::expected<void, std::string> check_addresses(const std::vector<SearchEntry>& entries) {
  if (entries.size() > std::numeric_limits<SearchIndex::EntryNumber>::max()) {
    return std::unexpected("a search catalogue holds at most 4294967295 entries");
  }
  std::unordered_set<std::string_view> seen;
  for (const SearchEntry& entry : entries) {
    const std::string& address = entry.hit.address;
    if (address.empty()) return std::unexpected("the search entry \"" + entry.hit.title + "\" has no address");
    if (!seen.insert(address).second) return std::unexpected("two search entries have the address " + address);
  }
  return {};
}

template <typename Number>
std::vector<Number> intersection(const std::vector<Number>& first, const std::vector<Number>& second) {
  std::vector<Number> both;
  std::ranges::set_intersection(first, second, std::back_inserter(both));
  return both;
}

// The numbers in every list; the shortest goes first, which keeps each step small.
template <typename Number>
std::vector<Number> intersection(std::vector<const std::vector<Number>*> lists) {
  std::ranges::sort(lists, {}, &std::vector<Number>::size);
  std::vector<Number> found = *lists.front();
  for (auto list = std::next(lists.begin()); list != lists.end() && !found.empty(); ++list) {
    found = intersection(found, **list);
  }
  return found;
}

template <typename Number>
void sort_distinct(std::vector<Number>& numbers) {
  std::ranges::sort(numbers);
  const auto repeated = std::ranges::unique(numbers);
  numbers.erase(repeated.begin(), repeated.end());
}

}  // namespace

std::expected<SearchIndex, std::string> SearchIndex::build(std::vector<SearchEntry> entries) {
  if (auto checked = check_addresses(entries); !checked) return std::unexpected(std::move(checked.error()));
  SearchIndex index;
  index.hits_.reserve(entries.size());
  index.titles_.reserve(entries.size());
  for (SearchEntry& entry : entries) index.add(std::move(entry));
  index.sort_vocabulary();
  return index;
}

void SearchIndex::add(SearchEntry entry) {
  const auto number = static_cast<EntryNumber>(hits_.size());
  std::string title = normalize_search_text(entry.hit.title);
  const std::string text = title + ' ' + normalize_search_text(entry.searchable_text);
  // Entries arrive in ascending order and name each word once, so holder lists stay sorted.
  for (const std::string_view word : index_tokens(text)) holders_[number_of(word)].push_back(number);
  hits_.push_back(std::move(entry.hit));
  titles_.push_back(std::move(title));
}

SearchIndex::WordNumber SearchIndex::number_of(std::string_view word) {
  if (const auto known = word_numbers_.find(word); known != word_numbers_.end()) return known->second;
  const WordNumber number = words_.size();
  words_.emplace_back(word);
  holders_.emplace_back();
  word_numbers_.emplace(words_.back(), number);
  for (const std::string_view gram : index_grams(word)) {
    auto listed = gram_words_.find(gram);
    if (listed == gram_words_.end()) listed = gram_words_.emplace(std::string(gram), std::vector<WordNumber>()).first;
    listed->second.push_back(number);
  }
  return number;
}

void SearchIndex::sort_vocabulary() {
  words_by_spelling_.resize(words_.size());
  std::iota(words_by_spelling_.begin(), words_by_spelling_.end(), WordNumber{0});
  std::ranges::sort(words_by_spelling_, {}, [&](WordNumber word) -> const std::string& { return words_[word]; });
}

std::vector<SearchIndex::EntryNumber> SearchIndex::find(std::string_view query) const {
  const std::string normalized = normalize_search_text(query);
  const std::vector<std::string_view> terms = index_tokens(normalized);
  if (terms.empty()) return {};
  std::vector<EntryNumber> found = entries_with(terms.front());
  for (auto term = std::next(terms.begin()); term != terms.end() && !found.empty(); ++term) {
    found = intersection(found, entries_with(*term));
  }
  return ranked(found, terms);
}

std::vector<SearchIndex::EntryNumber> SearchIndex::entries_with(std::string_view term) const {
  const std::vector<WordNumber> words =
      code_point_count(term) < gram_length ? words_starting(term) : words_containing(term);
  std::vector<EntryNumber> found;
  for (const WordNumber word : words) found.insert(found.end(), holders_[word].begin(), holders_[word].end());
  sort_distinct(found);
  return found;
}

// The grams narrow the words down; only the word itself can tell whether they stand together.
std::vector<SearchIndex::WordNumber> SearchIndex::words_containing(std::string_view term) const {
  std::vector<const std::vector<WordNumber>*> lists;
  for (const std::string_view gram : index_grams(term)) {
    const auto listed = gram_words_.find(gram);
    if (listed == gram_words_.end()) return {};
    lists.push_back(&listed->second);
  }
  std::vector<WordNumber> found = intersection(std::move(lists));
  std::erase_if(found, [&](WordNumber word) { return !words_[word].contains(term); });
  return found;
}

std::vector<SearchIndex::WordNumber> SearchIndex::words_starting(std::string_view prefix) const {
  auto spelling = [&](WordNumber word) -> std::string_view { return words_[word]; };
  auto word = std::ranges::lower_bound(words_by_spelling_, prefix, {}, spelling);
  std::vector<WordNumber> found;
  for (; word != words_by_spelling_.end() && words_[*word].starts_with(prefix); ++word) found.push_back(*word);
  return found;
}

std::vector<SearchIndex::EntryNumber> SearchIndex::ranked(const std::vector<EntryNumber>& found,
                                                         const std::vector<std::string_view>& terms) const {
  auto title_matches = [&](EntryNumber entry) {
    const std::vector<std::string_view> title_words = index_tokens(titles_[entry]);
    return std::ranges::count_if(terms, [&](std::string_view term) {
      return std::ranges::any_of(title_words, [&](std::string_view word) { return term_matches_word(term, word); });
    });
  };
  std::vector<std::pair<std::ptrdiff_t, EntryNumber>> keyed;
  keyed.reserve(found.size());
  for (const EntryNumber entry : found) keyed.emplace_back(title_matches(entry), entry);
  // Entry numbers are in catalogue order, so a stable sort keeps that order among equals.
  std::ranges::stable_sort(keyed, std::ranges::greater(), &std::pair<std::ptrdiff_t, EntryNumber>::first);
  std::vector<EntryNumber> order;
  order.reserve(keyed.size());
  for (const auto& [matches, entry] : keyed) order.push_back(entry);
  return order;
}

}  // namespace orvo::search
