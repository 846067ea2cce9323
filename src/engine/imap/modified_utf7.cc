#include "engine/imap/modified_utf7.h"

#include <cstdint>

#include "engine/imap/reader.h"

namespace mail::engine::imap {
namespace {

constexpr std::string_view base64_digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+,";

bool is_direct_char(char c) { return c >= ' ' && c <= '~' && c != '&'; }

bool is_high_surrogate(char32_t unit) { return unit >= 0xd800 && unit <= 0xdbff; }
bool is_low_surrogate(char32_t unit) { return unit >= 0xdc00 && unit <= 0xdfff; }

// Only for code points beyond ASCII, the only ones a Base64 run may hold.
void append_utf8(std::string& text, char32_t code_point) {
  const auto byte = [&text](char32_t value) { text += static_cast<char>(value); };
  if (code_point < 0x800) {
    byte(0xc0 | code_point >> 6);
  } else if (code_point < 0x10000) {
    byte(0xe0 | code_point >> 12);
    byte(0x80 | (code_point >> 6 & 0x3f));
  } else {
    byte(0xf0 | code_point >> 18);
    byte(0x80 | (code_point >> 12 & 0x3f));
    byte(0x80 | (code_point >> 6 & 0x3f));
  }
  byte(0x80 | (code_point & 0x3f));
}

std::expected<std::u16string, std::string> utf16_units(std::string_view digits) {
  std::u16string units;
  std::uint32_t bits = 0;
  int bit_count = 0;
  for (const char digit : digits) {
    const std::size_t value = base64_digits.find(digit);
    if (value == std::string_view::npos) return std::unexpected("'" + std::string(1, digit) + "' is no Base64 digit");
    bits = bits << 6 | static_cast<std::uint32_t>(value);
    bit_count += 6;
    if (bit_count >= 16) {
      bit_count -= 16;
      units += static_cast<char16_t>(bits >> bit_count);
      bits &= (1u << bit_count) - 1;
    }
  }
  // An encoder pads the last unit with zero bits, never with a whole spare digit.
  if (bit_count >= 6 || bits != 0) return std::unexpected("the Base64 ends in stray bits");
  return units;
}

// ASCII inside Base64 is refused as well: it has a direct spelling, and a name that
// could be written two ways could be mistaken for another mailbox.
std::expected<void, std::string> append_utf16(std::string& text, std::u16string_view units) {
  for (std::size_t index = 0; index < units.size(); ++index) {
    char32_t code_point = units[index];
    if (is_high_surrogate(code_point) && index + 1 < units.size() && is_low_surrogate(units[index + 1])) {
      code_point = 0x10000 + ((code_point - 0xd800) << 10) + (units[++index] - 0xdc00);
    } else if (is_high_surrogate(code_point) || is_low_surrogate(code_point)) {
      return std::unexpected("the UTF-16 has an unpaired surrogate");
    }
    if (code_point < 0x80) return std::unexpected("ASCII is Base64-encoded");
    append_utf8(text, code_point);
  }
  return {};
}

std::expected<void, std::string> append_shifted(std::string& text, std::string_view digits) {
  const auto units = utf16_units(digits);
  if (!units) return std::unexpected(units.error());
  return append_utf16(text, *units);
}

std::expected<std::string, std::string> decode(std::string_view name) {
  std::string text;
  std::size_t last_shift_end = std::string_view::npos;
  Reader reader(name);
  while (!reader.at_end()) {
    text += reader.take_while(is_direct_char);
    if (reader.at_end()) break;
    const std::size_t shift_start = reader.position();
    if (!reader.skip('&')) return std::unexpected("a byte is not printable ASCII");
    const std::string_view digits = reader.take_while([](char c) { return c != '-'; });
    if (!reader.skip('-')) return std::unexpected("a '&' is not closed by '-'");
    if (digits.empty()) {
      text += '&';
      continue;
    }
    // Back-to-back runs would be one run written two ways.
    if (shift_start == last_shift_end) return std::unexpected("two Base64 runs follow each other");
    if (auto appended = append_shifted(text, digits); !appended) return std::unexpected(appended.error());
    last_shift_end = reader.position();
  }
  return text;
}

}  // namespace

std::expected<std::string, std::string> decode_modified_utf7(std::string_view name) {
  auto text = decode(name);
  if (!text) return std::unexpected("\"" + std::string(name) + "\" is not modified UTF-7: " + text.error());
  return text;
}

}  // namespace mail::engine::imap
