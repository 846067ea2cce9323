#include "platform/ui/single_line_text.h"

namespace orvo::ui {
namespace {

constexpr std::string_view replacement_character = "\xEF\xBF\xBD";

struct Sequence {
  std::size_t length;
  char32_t code_point;
};

std::size_t expected_length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

// The well-formed UTF-8 sequence at the start of `text`, or a length of 0: overlong
// forms, surrogates and values beyond U+10FFFF are refused as well as broken bytes.
Sequence decode_first(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text.front());
  const std::size_t length = expected_length(lead);
  if (length == 0 || text.size() < length) return {0, 0};
  if (length == 1) return {1, lead};
  constexpr char32_t lead_masks[] = {0, 0, 0x1F, 0x0F, 0x07};
  constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  char32_t code_point = lead & lead_masks[length];
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) != 0x80) return {0, 0};
    code_point = (code_point << 6) | (byte & 0x3F);
  }
  const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
  if (code_point < smallest[length] || code_point > 0x10FFFF || surrogate) return {0, 0};
  return {length, code_point};
}

bool is_control(char32_t code_point) { return code_point < 0x20 || (code_point >= 0x7F && code_point <= 0x9F); }

}  // namespace

std::string single_line_text(std::string_view raw) {
  std::string text;
  text.reserve(raw.size());
  while (!raw.empty()) {
    const Sequence sequence = decode_first(raw);
    if (sequence.length == 0) {
      text += replacement_character;
      raw.remove_prefix(1);
      continue;
    }
    const char32_t c = sequence.code_point;
    if (c == '\n' || c == '\t' || (c == '\r' && !raw.starts_with("\r\n"))) {
      text += ' ';
    } else if (!is_control(c)) {
      text += raw.substr(0, sequence.length);
    }
    raw.remove_prefix(sequence.length);
  }
  return text;
}

}  // namespace orvo::ui
