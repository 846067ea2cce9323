#include "platform/search/search_text.h"

#include <algorithm>
#include <optional>

#include "platform/search/utf8.h"

namespace orvo::search {
namespace {

struct LatinFold {
  char32_t first;
  char32_t last;
  std::string_view folded;
};

// Latin-1 letters, then Latin Extended-A, whose capital and small letters alternate so
// that each range covers both. The multiplication and division signs are not letters.
constexpr LatinFold latin_folds[] = {
    {0xC0, 0xC5, "a"},   {0xC6, 0xC6, "ae"},  {0xC7, 0xC7, "c"},   {0xC8, 0xCB, "e"},   {0xCC, 0xCF, "i"},
    {0xD0, 0xD0, "d"},   {0xD1, 0xD1, "n"},   {0xD2, 0xD6, "o"},   {0xD8, 0xD8, "o"},   {0xD9, 0xDC, "u"},
    {0xDD, 0xDD, "y"},   {0xDE, 0xDE, "th"},  {0xDF, 0xDF, "ss"},  {0xE0, 0xE5, "a"},   {0xE6, 0xE6, "ae"},
    {0xE7, 0xE7, "c"},   {0xE8, 0xEB, "e"},   {0xEC, 0xEF, "i"},   {0xF0, 0xF0, "d"},   {0xF1, 0xF1, "n"},
    {0xF2, 0xF6, "o"},   {0xF8, 0xF8, "o"},   {0xF9, 0xFC, "u"},   {0xFD, 0xFD, "y"},   {0xFE, 0xFE, "th"},
    {0xFF, 0xFF, "y"},   {0x100, 0x105, "a"}, {0x106, 0x10D, "c"}, {0x10E, 0x111, "d"}, {0x112, 0x11B, "e"},
    {0x11C, 0x123, "g"}, {0x124, 0x127, "h"}, {0x128, 0x131, "i"}, {0x132, 0x133, "ij"}, {0x134, 0x135, "j"},
    {0x136, 0x138, "k"}, {0x139, 0x142, "l"}, {0x143, 0x14B, "n"}, {0x14C, 0x151, "o"}, {0x152, 0x153, "oe"},
    {0x154, 0x159, "r"}, {0x15A, 0x161, "s"}, {0x162, 0x167, "t"}, {0x168, 0x173, "u"}, {0x174, 0x175, "w"},
    {0x176, 0x178, "y"}, {0x179, 0x17E, "z"}, {0x17F, 0x17F, "s"},
};

struct CaseShift {
  char32_t first;
  char32_t last;
  char32_t offset;
};

// Greek and Cyrillic capitals sit at a fixed distance from their small letters.
constexpr CaseShift case_shifts[] = {{0x391, 0x3A9, 0x20}, {0x400, 0x40F, 0x50}, {0x410, 0x42F, 0x20}};

bool is_blank(char32_t c) {
  return c <= 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
         c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000 || c == replacement_character;
}

// Soft hyphens, zero-width joiners and byte order marks split no word; mail that pads its
// preview text with them would otherwise hide its words from search.
bool is_invisible(char32_t c) { return c == 0xAD || (c >= 0x200B && c <= 0x200D) || c == 0x2060 || c == 0xFEFF; }

std::optional<std::string_view> latin_fold(char32_t c) {
  const auto fold = std::ranges::lower_bound(latin_folds, c, {}, &LatinFold::last);
  if (fold == std::end(latin_folds) || c < fold->first) return std::nullopt;
  return fold->folded;
}

char32_t lower_case(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + ('a' - 'A');
  for (const CaseShift& shift : case_shifts) {
    if (c >= shift.first && c <= shift.last) return c + shift.offset;
  }
  return c;
}

void append_folded(std::string& text, char32_t c) {
  if (const auto folded = latin_fold(c)) {
    text += *folded;
  } else {
    append_code_point(text, lower_case(c));
  }
}

}  // namespace

std::string normalize_search_text(std::string_view text) {
  std::string normalized;
  normalized.reserve(text.size());
  bool blank_pending = false;
  while (!text.empty()) {
    const char32_t c = pop_code_point(text);
    if (is_invisible(c)) continue;
    if (is_blank(c)) {
      blank_pending = !normalized.empty();
      continue;
    }
    if (blank_pending) normalized.push_back(' ');
    blank_pending = false;
    append_folded(normalized, c);
  }
  return normalized;
}

}  // namespace orvo::search
