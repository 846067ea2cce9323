#pragma once

#include <cstddef>
#include <expected>
#include <optional>
#include <string>
#include <string_view>

namespace mail::engine::imap {

// Cuts the byte stream from the server into complete responses without parsing them:
// a response ends at the first CRLF that does not announce a literal ("{n}" at the end
// of a line), and a literal's n bytes are skipped by count. Each byte is looked at
// once however the stream is split, so a large message arriving in small reads is
// never scanned again from its start.
class ResponseFramer {
 public:
  void append(std::string_view bytes);

  // The next complete response, through its final CRLF; nullopt until one has fully
  // arrived. The view is valid until the next call to either function. An error means
  // the stream cannot be cut into responses, and stays so.
  std::expected<std::optional<std::string_view>, std::string> next_response();

 private:
  std::string buffer_;
  std::size_t response_start_ = 0;
  std::size_t line_start_ = 0;  // after the last literal of the response so far
  std::size_t scan_from_ = 0;   // beyond the buffer's end while a literal is incomplete
};

}  // namespace mail::engine::imap
