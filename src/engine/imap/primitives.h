#pragma once

#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/imap/reader.h"

namespace mail::engine::imap {

// The building blocks of the response grammar, each named after its rule. They read
// from a complete response, so running out of bytes is an error, never a wait.

template <class T>
using Parsed = std::expected<T, std::string>;

bool is_digit(char c);
bool is_atom_char(char c);
bool is_astring_char(char c);
// Anything but CR, LF and NUL: 8-bit bytes are let through, as servers send UTF-8.
bool is_text_char(char c);

Parsed<void> parse_sp(Reader& reader);
Parsed<void> parse_crlf(Reader& reader);
Parsed<std::string_view> parse_atom(Reader& reader);
Parsed<std::uint32_t> parse_number(Reader& reader);
Parsed<std::uint32_t> parse_nz_number(Reader& reader);
Parsed<std::string> parse_quoted(Reader& reader);
Parsed<std::string_view> parse_literal(Reader& reader);
Parsed<std::string> parse_string(Reader& reader);
Parsed<std::string> parse_astring(Reader& reader);
Parsed<std::optional<std::string>> parse_nstring(Reader& reader);
Parsed<std::string> parse_flag(Reader& reader);
Parsed<std::vector<std::string>> parse_flag_list(Reader& reader);

// Free text up to the end of the line, possibly none.
std::string_view parse_text(Reader& reader);

// "(" [item *(SP item)] ")". Extra blanks, as a few servers pad lists with, are let
// through. Every item parser consumes at least one byte or fails, so this ends.
template <class ParseItem>
Parsed<void> parse_list(Reader& reader, ParseItem parse_item) {
  const auto skip_blanks = [&reader] { return !reader.take_while([](char c) { return c == ' '; }).empty(); };
  if (!reader.skip('(')) return expected_at(reader, "'('");
  skip_blanks();
  while (!reader.skip(')')) {
    if (auto item = parse_item(reader); !item) return item;
    if (!reader.next_is(')') && !skip_blanks()) return expected_at(reader, "' ' or ')'");
  }
  return {};
}

}  // namespace mail::engine::imap
