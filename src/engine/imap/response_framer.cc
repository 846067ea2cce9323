#include "engine/imap/response_framer.h"

#include <charconv>
#include <cstdint>

#include "engine/imap/reader.h"
#include "engine/imap/response_text.h"

namespace mail::engine::imap {
namespace {

// Status responses and continuation requests end with their first line even when their
// text ends in "{n}" (a server quoting a mailbox name in an error, say): they carry no
// literals, and taking the text for one would stall the stream.
bool is_single_line(std::string_view first_line) {
  if (first_line.starts_with('+')) return true;
  const auto is_word_char = [](char c) { return c != ' '; };
  Reader reader(first_line);
  reader.take_while(is_word_char);
  reader.skip(' ');
  return condition_named(reader.take_while(is_word_char)).has_value();
}

// The size of the literal a line announces by ending in "{n}". Sizes that do not fit
// 32 bits are not taken for literals; the parser then rejects the response.
std::optional<std::size_t> announced_literal(std::string_view line) {
  if (!line.ends_with('}')) return std::nullopt;
  const std::size_t open = line.rfind('{');
  if (open == std::string_view::npos) return std::nullopt;
  const char* first = line.data() + open + 1;
  const char* last = line.data() + line.size() - 1;
  std::uint32_t size = 0;
  const auto [end, error] = std::from_chars(first, last, size);
  if (first == last || end != last || error != std::errc{}) return std::nullopt;
  return size;
}

}  // namespace

void ResponseFramer::append(std::string_view bytes) {
  // Responses already handed out are dropped here rather than in next_response(), so
  // that the view it returned stays valid until now.
  buffer_.erase(0, response_start_);
  line_start_ -= response_start_;
  scan_from_ -= response_start_;
  response_start_ = 0;
  buffer_ += bytes;
}

std::expected<std::optional<std::string_view>, std::string> ResponseFramer::next_response() {
  while (scan_from_ <= buffer_.size()) {
    const std::size_t line_feed = buffer_.find('\n', scan_from_);
    if (line_feed == std::string::npos) {
      scan_from_ = buffer_.size();
      return std::nullopt;
    }
    if (line_feed == line_start_ || buffer_[line_feed - 1] != '\r') {
      return std::unexpected("invalid IMAP response: a line ends in LF without CR");
    }
    const std::string_view line(buffer_.data() + line_start_, line_feed - 1 - line_start_);
    const bool first_line = line_start_ == response_start_;
    const auto literal = first_line && is_single_line(line) ? std::nullopt : announced_literal(line);
    line_start_ = scan_from_ = line_feed + 1 + literal.value_or(0);
    if (literal) continue;
    const std::string_view response(buffer_.data() + response_start_, line_start_ - response_start_);
    response_start_ = line_start_;
    return response;
  }
  return std::nullopt;
}

}  // namespace mail::engine::imap
