#include "platform/uri/form_query.h"

#include <optional>

namespace orvo::uri {
namespace {

std::optional<int> hex_value(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  return std::nullopt;
}

std::optional<char> escaped_byte(std::string_view text, std::size_t percent) {
  if (percent + 2 >= text.size()) return std::nullopt;
  const auto high = hex_value(text[percent + 1]);
  const auto low = hex_value(text[percent + 2]);
  if (!high || !low) return std::nullopt;
  return static_cast<char>(*high * 16 + *low);
}

std::string decode(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      decoded += ' ';
    } else if (const auto byte = text[i] == '%' ? escaped_byte(text, i) : std::nullopt) {
      decoded += *byte;
      i += 2;
    } else {
      decoded += text[i];
    }
  }
  return decoded;
}

FormField parse_field(std::string_view field) {
  const std::size_t equals = field.find('=');
  if (equals == std::string_view::npos) return {decode(field), {}};
  return {decode(field.substr(0, equals)), decode(field.substr(equals + 1))};
}

}  // namespace

std::vector<FormField> parse_form_query(std::string_view query) {
  std::vector<FormField> fields;
  while (!query.empty()) {
    const std::size_t amp = query.find('&');
    const std::string_view field = query.substr(0, amp);
    if (!field.empty()) fields.push_back(parse_field(field));
    if (amp == std::string_view::npos) break;
    query.remove_prefix(amp + 1);
  }
  return fields;
}

}  // namespace orvo::uri
