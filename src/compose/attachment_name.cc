#include "compose/attachment_name.h"

#include <glib.h>

#include <algorithm>
#include <array>
#include <cstddef>

namespace mail::compose {
namespace {

constexpr std::size_t max_staged_characters = 180;
constexpr std::size_t max_suggested_bytes = 240;

std::string_view last_component(std::string_view path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

// Bytes that are not UTF-8 become U+FFFD, so that the name stays readable and every
// record made from it holds valid text.
std::u32string characters_of(std::string_view text) {
  // GLib reads a NUL byte as the end of the text; it is a control character and
  // would be dropped anyway.
  std::string without_nul(text);
  std::erase(without_nul, '\0');
  gchar* valid = g_utf8_make_valid(without_nul.c_str(), -1);
  glong count = 0;
  gunichar* decoded = g_utf8_to_ucs4_fast(valid, -1, &count);
  std::u32string characters(decoded, decoded + count);
  g_free(decoded);
  g_free(valid);
  return characters;
}

std::string utf8(char32_t character) {
  std::array<gchar, 6> bytes{};
  const gint length = g_unichar_to_utf8(character, bytes.data());
  return {bytes.data(), static_cast<std::size_t>(length)};
}

bool is_control(char32_t character) { return character <= 0x1F || (character >= 0x7F && character <= 0x9F); }

std::u32string trim_white_space(std::u32string text) {
  const auto is_space = [](char32_t character) { return g_unichar_isspace(character) != FALSE; };
  const auto first = std::ranges::find_if_not(text, is_space);
  const auto last = std::ranges::find_if_not(text.rbegin(), text.rend(), is_space).base();
  return first < last ? std::u32string(first, last) : std::u32string();
}

std::string to_utf8(const std::u32string& characters) {
  std::string text;
  for (const char32_t character : characters) text += utf8(character);
  return text;
}

std::string or_attachment(std::string name) {
  return name.empty() || name == "." || name == ".." ? "attachment" : name;
}

}  // namespace

std::string staged_file_name(std::string_view reported_name) {
  std::u32string kept;
  for (const char32_t character : characters_of(last_component(reported_name))) {
    if (is_control(character)) continue;
    if (kept.size() == max_staged_characters) break;
    kept += character;
  }
  return or_attachment(to_utf8(trim_white_space(std::move(kept))));
}

std::string suggested_save_name(std::string_view filename) {
  std::string kept;
  for (const char32_t character : trim_white_space(characters_of(last_component(filename)))) {
    if (is_control(character)) continue;
    const std::string encoded = utf8(character);
    if (kept.size() + encoded.size() > max_suggested_bytes) break;
    kept += encoded;
  }
  return or_attachment(std::move(kept));
}

}  // namespace mail::compose
