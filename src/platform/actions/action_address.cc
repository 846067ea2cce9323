#include "platform/actions/action_address.h"

#include <optional>

namespace orvo::actions {
namespace {

bool needs_escape(unsigned char c) { return c == '%' || c == '#' || c <= ' ' || c == 0x7f; }

std::string escaped(std::string_view part) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string text;
  for (const char c : part) {
    const auto byte = static_cast<unsigned char>(c);
    if (needs_escape(byte)) {
      text += {'%', digits[byte >> 4], digits[byte & 0xf]};
    } else {
      text += c;
    }
  }
  return text;
}

std::optional<unsigned> hex_digit(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  return std::nullopt;
}

std::expected<std::string, std::string> unescaped(std::string_view part) {
  std::string text;
  for (std::size_t index = 0; index < part.size(); ++index) {
    if (part[index] != '%') {
      text += part[index];
      continue;
    }
    const auto high = index + 2 < part.size() ? hex_digit(part[index + 1]) : std::nullopt;
    const auto low = index + 2 < part.size() ? hex_digit(part[index + 2]) : std::nullopt;
    if (!high || !low) return std::unexpected("action address has a broken escape: " + std::string(part));
    text += static_cast<char>((*high << 4) | *low);
    index += 2;
  }
  return text;
}

}  // namespace

std::string ActionAddress::encode() const {
  return action.empty() ? escaped(resource) : escaped(resource) + "#" + escaped(action);
}

std::expected<ActionAddress, std::string> ActionAddress::parse(std::string_view text) {
  const auto separator = text.find('#');
  if (separator != std::string_view::npos && text.find('#', separator + 1) != std::string_view::npos) {
    return std::unexpected("action address has more than one \"#\": " + std::string(text));
  }
  auto resource = unescaped(text.substr(0, separator));
  if (!resource) return std::unexpected(resource.error());
  if (resource->empty()) return std::unexpected("action address names no resource: " + std::string(text));
  auto action = unescaped(separator == std::string_view::npos ? std::string_view() : text.substr(separator + 1));
  if (!action) return std::unexpected(action.error());
  return ActionAddress{std::move(*resource), std::move(*action)};
}

}  // namespace orvo::actions
