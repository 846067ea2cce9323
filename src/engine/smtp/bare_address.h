#pragma once

#include <expected>
#include <string>
#include <string_view>

namespace mail::engine::smtp {

// An address as the SMTP envelope carries it: a local part, one "@" and a domain of
// non-empty dot-separated labels, with no blanks, control characters, quoting or
// brackets anywhere. Returns the address unchanged, or why it is not one.
std::expected<std::string, std::string> parse_bare_address(std::string_view text);

}  // namespace mail::engine::smtp
