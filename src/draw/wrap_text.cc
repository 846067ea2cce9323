#include "draw/wrap_text.h"

#include <algorithm>

namespace mail::draw {
namespace {

using orvo::ui::TextRenderer;
using orvo::ui::TextStyle;

struct Word {
  std::string_view blanks;  // written before it
  std::string_view text;
};

// Blanks after the last word are dropped: they would only pad the last line.
std::vector<Word> words_of(std::string_view paragraph) {
  std::vector<Word> words;
  std::size_t at = 0;
  while (true) {
    const std::size_t start = paragraph.find_first_not_of(' ', at);
    if (start == std::string_view::npos) return words;
    const std::size_t end = std::min(paragraph.find(' ', start), paragraph.size());
    words.push_back({paragraph.substr(at, start - at), paragraph.substr(start, end - start)});
    at = end;
  }
}

// Where the UTF-8 character starting at `at` ends.
std::size_t next_character(std::string_view text, std::size_t at) {
  ++at;
  while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xc0) == 0x80) ++at;
  return at;
}

class LineBreaker {
 public:
  LineBreaker(const TextRenderer& text, const TextStyle& style, double max_width)
      : text_(text), style_(style), max_width_(max_width) {}

  void add(const Word& word) {
    std::string extended = line_;
    extended += word.blanks;
    extended += word.text;
    if (fits(extended)) {
      line_ = std::move(extended);
      return;
    }
    if (!line_.empty()) lines_.push_back(std::move(line_));
    start_line(word.text);
  }

  std::vector<std::string> finish() && {
    lines_.push_back(std::move(line_));
    return std::move(lines_);
  }

 private:
  [[nodiscard]] bool fits(std::string_view line) const { return text_.width(line, style_) <= max_width_; }

  // Cuts off whole lines until the rest fits; a last single character stays even when it
  // does not, as nothing narrower could take its place.
  void start_line(std::string_view word) {
    while (next_character(word, 0) < word.size() && !fits(word)) {
      const std::size_t cut = longest_fitting_prefix(word);
      lines_.emplace_back(word.substr(0, cut));
      word.remove_prefix(cut);
    }
    line_ = word;
  }

  [[nodiscard]] std::size_t longest_fitting_prefix(std::string_view word) const {
    std::size_t cut = next_character(word, 0);
    while (cut < word.size()) {
      const std::size_t next = next_character(word, cut);
      if (!fits(word.substr(0, next))) break;
      cut = next;
    }
    return cut;
  }

  const TextRenderer& text_;
  const TextStyle& style_;
  double max_width_;
  std::vector<std::string> lines_;
  std::string line_;
};

}  // namespace

std::vector<std::string> wrap_text(const TextRenderer& text, std::string_view paragraph, const TextStyle& style,
                                   double max_width) {
  LineBreaker breaker(text, style, max_width);
  for (const Word& word : words_of(paragraph)) breaker.add(word);
  return std::move(breaker).finish();
}

}  // namespace mail::draw
