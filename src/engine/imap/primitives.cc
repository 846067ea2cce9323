#include "engine/imap/primitives.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "engine/imap/keyword.h"

namespace mail::engine::imap {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view atom_specials = "(){%*\"\\]";

constexpr std::array system_flags = {"\\Answered"sv, "\\Flagged"sv, "\\Deleted"sv,
                                     "\\Seen"sv,     "\\Draft"sv,   "\\Recent"sv};

bool is_plain_quoted_char(char c) { return is_text_char(c) && c != '"' && c != '\\'; }

std::string spelt_as_system_flag(std::string flag) {
  const std::string upper = upper_case(flag);
  const auto known = std::ranges::find_if(system_flags, [&](std::string_view name) { return is_keyword(name, upper); });
  return known == system_flags.end() ? flag : std::string(*known);
}

}  // namespace

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool is_atom_char(char c) { return c > ' ' && c < '\x7f' && !atom_specials.contains(c); }

bool is_astring_char(char c) { return is_atom_char(c) || c == ']'; }

bool is_text_char(char c) { return c != '\r' && c != '\n' && c != '\0'; }

Parsed<void> parse_sp(Reader& reader) {
  if (!reader.skip(' ')) return expected_at(reader, "' '");
  return {};
}

Parsed<void> parse_crlf(Reader& reader) {
  if (!reader.skip('\r') || !reader.skip('\n')) return expected_at(reader, "CRLF");
  return {};
}

Parsed<std::string_view> parse_atom(Reader& reader) {
  const std::string_view atom = reader.take_while(is_atom_char);
  if (atom.empty()) return expected_at(reader, "an atom");
  return atom;
}

Parsed<std::uint32_t> parse_number(Reader& reader) {
  const std::string_view digits = reader.take_while(is_digit);
  if (digits.empty()) return expected_at(reader, "a number");
  std::uint32_t number = 0;
  if (std::from_chars(digits.data(), digits.data() + digits.size(), number).ec != std::errc{}) {
    return std::unexpected("number " + std::string(digits) + " is too large");
  }
  return number;
}

Parsed<std::uint32_t> parse_nz_number(Reader& reader) {
  const std::size_t start = reader.position();
  auto number = parse_number(reader);
  if (number && *number == 0) return expected_at(start, "a non-zero number");
  return number;
}

Parsed<std::string> parse_quoted(Reader& reader) {
  if (!reader.skip('"')) return expected_at(reader, "'\"'");
  std::string text;
  while (true) {
    text += reader.take_while(is_plain_quoted_char);
    if (reader.skip('"')) return text;
    if (!reader.skip('\\')) return expected_at(reader, "the closing '\"'");
    if (!reader.next_is('"') && !reader.next_is('\\')) return expected_at(reader, "'\"' or '\\' after '\\'");
    text += reader.take(1);
  }
}

Parsed<std::string_view> parse_literal(Reader& reader) {
  if (!reader.skip('{')) return expected_at(reader, "'{'");
  const auto size = parse_number(reader);
  if (!size) return std::unexpected(size.error());
  if (!reader.skip('}')) return expected_at(reader, "'}'");
  if (auto crlf = parse_crlf(reader); !crlf) return std::unexpected(crlf.error());
  if (reader.remaining() < *size) return expected_at(reader, std::to_string(*size) + " bytes of literal data");
  return reader.take(*size);
}

Parsed<std::string> parse_string(Reader& reader) {
  if (reader.next_is('"')) return parse_quoted(reader);
  const auto literal = parse_literal(reader);
  if (!literal) return std::unexpected(literal.error());
  return std::string(*literal);
}

Parsed<std::string> parse_astring(Reader& reader) {
  if (reader.next_is('"') || reader.next_is('{')) return parse_string(reader);
  const std::string_view atom = reader.take_while(is_astring_char);
  if (atom.empty()) return expected_at(reader, "a string");
  return std::string(atom);
}

Parsed<std::optional<std::string>> parse_nstring(Reader& reader) {
  if (reader.next_is('"') || reader.next_is('{')) return parse_string(reader);
  const std::size_t start = reader.position();
  if (!is_keyword(reader.take_while(is_atom_char), "NIL")) {
    return expected_at(start, "a string or NIL");
  }
  return std::nullopt;
}

Parsed<std::string> parse_flag(Reader& reader) {
  const bool is_system = reader.skip('\\');
  const auto atom = parse_atom(reader);
  if (!atom) return std::unexpected(atom.error());
  if (!is_system) return std::string(*atom);
  return spelt_as_system_flag("\\" + std::string(*atom));
}

Parsed<std::vector<std::string>> parse_flag_list(Reader& reader) {
  std::vector<std::string> flags;
  auto list = parse_list(reader, [&flags](Reader& item) -> Parsed<void> {
    auto flag = parse_flag(item);
    if (!flag) return std::unexpected(flag.error());
    flags.push_back(std::move(*flag));
    return {};
  });
  if (!list) return std::unexpected(list.error());
  return flags;
}

std::string_view parse_text(Reader& reader) { return reader.take_while(is_text_char); }

}  // namespace mail::engine::imap
