#pragma once

#include <cstddef>
#include <expected>
#include <string>
#include <string_view>

namespace mail::engine::imap {

// A cursor over one complete response. The parsers move it forward as they accept the
// grammar; it never steps past the end, so a parser cannot read beyond the response.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool at_end() const { return position_ == text_.size(); }
  std::size_t position() const { return position_; }
  std::size_t remaining() const { return text_.size() - position_; }
  bool next_is(char c) const { return !at_end() && text_[position_] == c; }

  template <class Predicate>
  bool next_matches(Predicate accepts) const {
    return !at_end() && accepts(text_[position_]);
  }

  bool skip(char c) {
    if (!next_is(c)) return false;
    ++position_;
    return true;
  }

  // At most n bytes.
  std::string_view take(std::size_t n) {
    const std::string_view taken = text_.substr(position_, n);
    position_ += taken.size();
    return taken;
  }

  template <class Predicate>
  std::string_view take_while(Predicate accepts) {
    std::size_t end = position_;
    while (end < text_.size() && accepts(text_[end])) ++end;
    return take(end - position_);
  }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

// The one shape of every grammar error: what was wanted and where.
inline std::unexpected<std::string> expected_at(std::size_t position, std::string_view wanted) {
  return std::unexpected("expected " + std::string(wanted) + " at byte " + std::to_string(position));
}

inline std::unexpected<std::string> expected_at(const Reader& reader, std::string_view wanted) {
  return expected_at(reader.position(), wanted);
}

}  // namespace mail::engine::imap
