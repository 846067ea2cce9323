#include "engine/smtp/bare_address.h"

#include <algorithm>

namespace mail::engine::smtp {
namespace {

// The characters that only make sense around an address (names, quoting, routes,
// lists), never inside the bare form a server is handed.
constexpr std::string_view framing_characters = "()<>[]:;,\\\"";

bool is_forbidden(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= 0x20 || byte == 0x7f || framing_characters.contains(c);
}

bool has_empty_label(std::string_view domain) {
  return domain.empty() || domain.front() == '.' || domain.back() == '.' || domain.contains("..");
}

}  // namespace

std::expected<std::string, std::string> parse_bare_address(std::string_view text) {
  if (text.empty()) return std::unexpected("the address is empty");
  const std::string quoted = "\"" + std::string(text) + "\"";
  if (std::ranges::any_of(text, is_forbidden)) {
    return std::unexpected(quoted + " contains a character that an e-mail address cannot hold");
  }
  const auto at = text.find('@');
  if (at == std::string_view::npos || text.find('@', at + 1) != std::string_view::npos) {
    return std::unexpected(quoted + " must contain exactly one \"@\"");
  }
  if (at == 0) return std::unexpected(quoted + " has nothing before the \"@\"");
  if (has_empty_label(text.substr(at + 1))) return std::unexpected(quoted + " has no valid domain after the \"@\"");
  return std::string(text);
}

}  // namespace mail::engine::smtp
