#include "doc/text_normalization.h"

#include <algorithm>
#include <vector>

namespace mail::doc {
namespace {

constexpr char32_t replacement_character = 0xfffd;

struct Decoded {
  char32_t character;
  std::size_t length;
};

// What a lead byte announces: the sequence's length, the smallest character it may
// encode (anything below is an overlong form) and the lead's own bits of it.
struct Sequence {
  std::size_t length = 0;
  char32_t smallest = 0;
  char32_t bits = 0;
};

Sequence sequence_for(unsigned char lead) {
  if ((lead & 0xe0) == 0xc0) return {2, 0x80, lead & 0x1fu};
  if ((lead & 0xf0) == 0xe0) return {3, 0x800, lead & 0x0fu};
  if ((lead & 0xf8) == 0xf0) return {4, 0x10000, lead & 0x07u};
  return {};
}

// The character that starts `text`. A byte that starts no well-formed sequence
// (overlong forms and surrogates included) stands for itself as U+FFFD.
Decoded decode_one(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text.front());
  if (lead < 0x80) return {lead, 1};
  const auto [length, smallest, bits] = sequence_for(lead);
  if (length == 0 || text.size() < length) return {replacement_character, 1};
  char32_t character = bits;
  for (std::size_t index = 1; index < length; ++index) {
    const auto next = static_cast<unsigned char>(text[index]);
    if ((next & 0xc0) != 0x80) return {replacement_character, 1};
    character = (character << 6) | (next & 0x3fu);
  }
  if (character < smallest || character > 0x10ffff || (character >= 0xd800 && character <= 0xdfff)) {
    return {replacement_character, 1};
  }
  return {character, length};
}

void append_utf8(std::string& text, char32_t character) {
  auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  if (character < 0x80) {
    text += byte(character);
  } else if (character < 0x800) {
    text += byte(0xc0 | (character >> 6));
    text += byte(0x80 | (character & 0x3f));
  } else if (character < 0x10000) {
    text += byte(0xe0 | (character >> 12));
    text += byte(0x80 | ((character >> 6) & 0x3f));
    text += byte(0x80 | (character & 0x3f));
  } else {
    text += byte(0xf0 | (character >> 18));
    text += byte(0x80 | ((character >> 12) & 0x3f));
    text += byte(0x80 | ((character >> 6) & 0x3f));
    text += byte(0x80 | (character & 0x3f));
  }
}

bool is_control(char32_t c) { return c <= 0x1f || (c >= 0x7f && c <= 0x9f); }

bool is_kept(char32_t c, TextMode mode) {
  return !is_control(c) || (mode == TextMode::MultiLine && (c == '\t' || c == '\n' || c == '\r'));
}

// Unicode's White_Space characters.
bool is_white_space(char32_t c) {
  return (c >= 0x09 && c <= 0x0d) || c == 0x20 || c == 0x85 || c == 0xa0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200a) || c == 0x2028 || c == 0x2029 || c == 0x202f || c == 0x205f || c == 0x3000;
}

}  // namespace

// Control characters go before the ends are trimmed, so that white space hidden
// behind one (" \x01 ") does not survive as the whole text.
std::string normalize_text(std::string_view text, std::size_t max_characters, TextMode mode) {
  std::vector<char32_t> characters;
  characters.reserve(text.size());
  while (!text.empty()) {
    const Decoded decoded = decode_one(text);
    if (is_kept(decoded.character, mode)) characters.push_back(decoded.character);
    text.remove_prefix(decoded.length);
  }
  const auto first = std::ranges::find_if_not(characters, is_white_space);
  const auto last = std::find_if_not(characters.rbegin(), std::make_reverse_iterator(first), is_white_space).base();
  const auto taken = std::min(static_cast<std::size_t>(last - first), max_characters);
  std::string cleaned;
  cleaned.reserve(taken);
  std::for_each_n(first, taken, [&](char32_t character) { append_utf8(cleaned, character); });
  return cleaned;
}

}  // namespace mail::doc
