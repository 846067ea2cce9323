#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mail::draw {

// Whether a message's HTML may fetch images and media from the network.
enum class RemoteImages : std::uint8_t { Blocked = 0, Allowed = 1 };

// The Content-Security-Policy that wraps message HTML. Scripts, frames, plugins, forms
// and every other network load stay forbidden either way; only images and media differ.
[[nodiscard]] std::string content_security_policy(RemoteImages images);

// The content-blocking rule list handed to the web engine, a second barrier behind the
// policy should the engine miss part of it.
[[nodiscard]] std::string_view blocking_rules(RemoteImages images);

}  // namespace mail::draw
