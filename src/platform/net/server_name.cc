#include "platform/net/server_name.h"

#include <arpa/inet.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ranges>

namespace orvo::net {
namespace {

constexpr std::size_t max_name_length = 253;
constexpr std::size_t max_label_length = 63;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool is_label_character(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || is_digit(c) || c == '-' || c == '_';
}

std::string not_allowed(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 0x20 && byte < 0x7f) return std::string("'") + c + "' is not allowed";
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "byte 0x%02x is not allowed", byte);
  return text.data();
}

std::expected<void, std::string> check_label(std::string_view label) {
  if (label.empty()) return std::unexpected("empty label");
  if (label.size() > max_label_length) return std::unexpected("label longer than 63 characters");
  if (const auto bad = std::ranges::find_if_not(label, is_label_character); bad != label.end()) {
    return std::unexpected(not_allowed(*bad));
  }
  if (label.front() == '-' || label.back() == '-') return std::unexpected("label begins or ends with a hyphen");
  return {};
}

}  // namespace

bool is_ip_address(std::string_view host) {
  // inet_pton would stop at a NUL and accept what comes before it.
  if (host.find('\0') != std::string_view::npos) return false;
  const std::string text(host);
  std::array<unsigned char, 16> address{};
  return ::inet_pton(AF_INET, text.c_str(), address.data()) == 1 ||
         ::inet_pton(AF_INET6, text.c_str(), address.data()) == 1;
}

std::expected<void, std::string> check_server_name(std::string_view host) {
  if (host.empty()) return std::unexpected("empty name");
  if (is_ip_address(host)) return {};
  if (host.size() > max_name_length) return std::unexpected("name longer than 253 characters");
  std::string_view label;
  for (const auto part : std::views::split(host, '.')) {
    label = std::string_view(part.begin(), part.end());
    if (auto checked = check_label(label); !checked) return checked;
  }
  // Top-level domains are never numeric: "10.0.0.300" is a mistyped address, not a name.
  if (std::ranges::all_of(label, is_digit)) return std::unexpected("not an IP address, and the last label is numeric");
  return {};
}

}  // namespace orvo::net
