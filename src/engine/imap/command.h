#pragma once

#include <string>
#include <vector>

namespace mail::engine::imap {

// A command as the bytes to send, in parts. Every part but the last ends by announcing
// a synchronizing literal ("{n}\r\n"): the session sends a part, waits for the server's
// continuation request ("+ ...") and only then sends the next. A tagged response in
// place of the continuation means the server refused the command.
struct Command {
  std::string tag;
  std::vector<std::string> parts;
  friend bool operator==(const Command&, const Command&) = default;
};

}  // namespace mail::engine::imap
