#include "platform/actions/humanize_identifier.h"

#include <algorithm>
#include <vector>

namespace orvo::actions {
namespace {

bool is_upper(char c) { return c >= 'A' && c <= 'Z'; }
bool is_lower(char c) { return c >= 'a' && c <= 'z'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_separator(char c) { return c == '_' || c == '-' || c == '.' || c == ' '; }

char to_lower(char c) { return is_upper(c) ? static_cast<char>(c - 'A' + 'a') : c; }
char to_upper(char c) { return is_lower(c) ? static_cast<char>(c - 'a' + 'A') : c; }

// A capital starts a word after a small letter or digit ("setRead"), and so does the
// last capital of a run when a small letter follows it ("HTMLBody").
bool starts_word(std::string_view text, std::size_t index) {
  if (index == 0 || !is_upper(text[index])) return false;
  const char before = text[index - 1];
  if (is_lower(before) || is_digit(before)) return true;
  return is_upper(before) && index + 1 < text.size() && is_lower(text[index + 1]);
}

std::vector<std::string> split_words(std::string_view identifier) {
  std::vector<std::string> words(1);
  for (std::size_t index = 0; index < identifier.size(); ++index) {
    const char c = identifier[index];
    if (is_separator(c)) {
      if (!words.back().empty()) words.emplace_back();
      continue;
    }
    if (starts_word(identifier, index) && !words.back().empty()) words.emplace_back();
    words.back() += c;
  }
  if (words.back().empty()) words.pop_back();
  return words;
}

// Acronyms keep their capitals; every other word is written in small letters.
std::string cased(std::string word) {
  const bool acronym = word.size() > 1 && std::ranges::none_of(word, is_lower);
  if (!acronym) std::ranges::transform(word, word.begin(), to_lower);
  return word;
}

}  // namespace

std::string humanize_identifier(std::string_view identifier) {
  std::string label;
  for (const std::string& word : split_words(identifier)) {
    if (!label.empty()) label += ' ';
    label += cased(word);
  }
  if (!label.empty()) label.front() = to_upper(label.front());
  return label;
}

}  // namespace orvo::actions
