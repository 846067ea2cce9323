#pragma once

#include <expected>
#include <string>
#include <string_view>

namespace mail::engine::imap {

// Mailbox names travel in modified UTF-7: printable ASCII stands for itself, "&-" for
// "&", and "&...-" wraps UTF-16 in Base64 written with ',' instead of '/'. Returns the
// name in UTF-8, or why the text is no such encoding (servers do send raw UTF-8).
std::expected<std::string, std::string> decode_modified_utf7(std::string_view name);

}  // namespace mail::engine::imap
