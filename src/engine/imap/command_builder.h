#pragma once

#include <expected>
#include <string>
#include <string_view>

#include "engine/imap/command.h"

namespace mail::engine::imap {

// Neither a quoted string nor a literal can carry a NUL byte. `what` names the text in
// the error, e.g. "the password".
std::expected<void, std::string> check_sendable(std::string_view what, std::string_view text);

// Writes one command, argument by argument, each after a blank.
class CommandBuilder {
 public:
  CommandBuilder(std::string tag, std::string_view name);

  // Text already in wire form: keywords, numbers, sequence sets, flag lists.
  CommandBuilder& raw(std::string_view text);

  // Any text that passes check_sendable: quoted, or as a literal when it holds what
  // quotes cannot (CR, LF, 8-bit bytes).
  CommandBuilder& string(std::string_view text);

  // Hands the command over; the builder is spent.
  Command finish();

 private:
  Command command_;
};

}  // namespace mail::engine::imap
