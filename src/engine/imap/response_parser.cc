#include "engine/imap/response_parser.h"

#include "engine/imap/parse_response.h"

namespace mail::engine::imap {
namespace {

std::expected<std::optional<Response>, std::string> read_response(ResponseFramer& framer) {
  const auto bytes = framer.next_response();
  if (!bytes) return std::unexpected(bytes.error());
  if (!*bytes) return std::nullopt;
  return parse_response(**bytes);
}

}  // namespace

void ResponseParser::feed(std::string_view bytes) {
  if (!error_) framer_.append(bytes);
}

std::expected<std::optional<Response>, std::string> ResponseParser::next() {
  if (!error_) {
    auto response = read_response(framer_);
    if (response) return response;
    error_ = std::move(response.error());
  }
  return std::unexpected(*error_);
}

}  // namespace mail::engine::imap
