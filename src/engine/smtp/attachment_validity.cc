#include "engine/smtp/attachment_validity.h"

#include <glib.h>

#include <algorithm>
#include <cstdint>

#include "message/ascii.h"

namespace mail::engine::smtp {
namespace {

constexpr std::uint64_t max_attachment_size = std::uint64_t{32} << 20;
constexpr std::size_t max_filename_characters = 180;
constexpr std::size_t max_mime_length = 127;
constexpr std::string_view content_id_prefix = "mail-attachment:blake3:";
constexpr std::size_t key_length = 64;

bool is_filename_character(gunichar c) { return c != '/' && c != '\\' && !g_unichar_iscntrl(c); }

bool is_valid_filename(std::string_view name) {
  if (name.empty() || !g_utf8_validate(name.data(), static_cast<gssize>(name.size()), nullptr)) return false;
  std::size_t characters = 0;
  for (const char* c = name.data(); c != name.data() + name.size(); c = g_utf8_next_char(c)) {
    if (++characters > max_filename_characters || !is_filename_character(g_utf8_get_char(c))) return false;
  }
  return true;
}

// Exactly what staging keeps of a type: anything else was written into the draft by
// other hands and could break out of the header it is copied into.
bool is_type_character(char c) { return c >= '!' && c <= '~' && c != '"' && c != '\\'; }

bool is_valid_mime(std::string_view mime) {
  const auto slash = mime.find('/');
  return mime.size() <= max_mime_length && slash != std::string_view::npos && slash != 0 && slash != mime.size() - 1 &&
         std::ranges::all_of(mime, is_type_character);
}

bool is_hex_digit(char c) {
  return (c >= '0' && c <= '9') || (message::ascii_lower(c) >= 'a' && message::ascii_lower(c) <= 'f');
}

}  // namespace

bool has_valid_metadata(const message::DraftAttachment& attachment) {
  return is_valid_filename(attachment.filename) && is_valid_mime(attachment.mime) &&
         attachment.size <= max_attachment_size;
}

std::optional<std::string> content_key(std::string_view content_id) {
  if (!content_id.starts_with(content_id_prefix)) return std::nullopt;
  const std::string_view key = content_id.substr(content_id_prefix.size());
  if (key.size() != key_length || !std::ranges::all_of(key, is_hex_digit)) return std::nullopt;
  std::string lower(key.size(), '\0');
  std::ranges::transform(key, lower.begin(), message::ascii_lower);
  return lower;
}

}  // namespace mail::engine::smtp
