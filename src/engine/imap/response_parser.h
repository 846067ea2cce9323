#pragma once

#include <expected>
#include <optional>
#include <string>
#include <string_view>

#include "engine/imap/response.h"
#include "engine/imap/response_framer.h"

namespace mail::engine::imap {

// Turns the bytes read from the server, split however the network delivers them, into
// responses. A session feeds each read, then calls next() until it answers nullopt
// (read again) or an error. An error is final: past bytes that are not IMAP there is
// no telling where the next response starts, so every later call repeats the error
// and the connection should be dropped.
class ResponseParser {
 public:
  void feed(std::string_view bytes);

  // The next complete response, or nullopt when more bytes are needed.
  std::expected<std::optional<Response>, std::string> next();

 private:
  ResponseFramer framer_;
  std::optional<std::string> error_;
};

}  // namespace mail::engine::imap
