#pragma once

#include <expected>
#include <string>
#include <string_view>

namespace orvo::net {

// Whether `host` can name a server in a TLS handshake: an IPv4 or IPv6 address, or
// a DNS name of dot-separated labels made of letters, digits, hyphens and
// underscores. The error says what is wrong, without repeating the name.
std::expected<void, std::string> check_server_name(std::string_view host);

// Whether `host` is an IPv4 or IPv6 address in text form.
bool is_ip_address(std::string_view host);

}  // namespace orvo::net
