#pragma once

#include <string>
#include <string_view>

namespace mail::message::test {

// Fixtures are written with "\n" to stay legible; messages on the wire end lines in CR LF.
inline std::string crlf(std::string_view text) {
  std::string wire;
  wire.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') wire += '\r';
    wire += c;
  }
  return wire;
}

}  // namespace mail::message::test
