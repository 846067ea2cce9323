#include "engine/imap/msg_att.h"

#include "engine/imap/date_time.h"
#include "engine/imap/keyword.h"

namespace mail::engine::imap {
namespace {

// Deep enough for any real BODYSTRUCTURE, shallow enough that hostile nesting cannot
// exhaust the stack.
constexpr int max_list_depth = 100;

// '[' is an atom character, but in an item name it opens the section.
bool is_item_name_char(char c) { return is_atom_char(c) && c != '['; }

template <class T>
Parsed<void> discard(const Parsed<T>& parsed) {
  if (!parsed) return std::unexpected(parsed.error());
  return {};
}

template <class T, class U>
Parsed<void> assign(std::optional<T>& field, Parsed<U> parsed) {
  if (!parsed) return std::unexpected(parsed.error());
  field = std::move(*parsed);
  return {};
}

Parsed<void> skip_value(Reader& reader, int depth);

Parsed<void> skip_list(Reader& reader, int depth) {
  if (depth == max_list_depth) {
    return std::unexpected("lists are nested too deeply at byte " + std::to_string(reader.position()));
  }
  return parse_list(reader, [depth](Reader& item) { return skip_value(item, depth + 1); });
}

// A value of an item the engine does not read: NIL, a number, an atom, a flag, a string
// or a list of these.
Parsed<void> skip_value(Reader& reader, int depth) {
  if (reader.next_is('(')) return skip_list(reader, depth);
  if (reader.next_is('"')) return discard(parse_quoted(reader));
  if (reader.next_is('{')) return discard(parse_literal(reader));
  reader.skip('\\');
  if (reader.take_while(is_astring_char).empty()) return expected_at(reader, "a value");
  return {};
}

// "[" [section-spec] "]", true when empty: the whole message. A spec may list header
// names, quoted or as literals, so its words and lists are read as values.
Parsed<bool> parse_section(Reader& reader) {
  if (!reader.skip('[')) return expected_at(reader, "'['");
  if (reader.skip(']')) return true;
  while (!reader.skip(']')) {
    if (reader.skip(' ')) continue;
    if (reader.next_is('(')) {
      if (auto list = skip_list(reader, 0); !list) return std::unexpected(list.error());
    } else if (reader.take_while(is_item_name_char).empty()) {
      return expected_at(reader, "a section part or ']'");
    }
  }
  return false;
}

// "<" number ">", present when only part of a section was sent.
Parsed<std::optional<std::uint32_t>> parse_origin(Reader& reader) {
  if (!reader.skip('<')) return std::nullopt;
  const auto origin = parse_number(reader);
  if (!origin) return std::unexpected(origin.error());
  if (!reader.skip('>')) return expected_at(reader, "'>'");
  return *origin;
}

Parsed<void> parse_section_item(Reader& reader, std::string_view name, FetchedMessage& message) {
  const auto whole = parse_section(reader);
  if (!whole) return std::unexpected(whole.error());
  const auto origin = parse_origin(reader);
  if (!origin) return std::unexpected(origin.error());
  if (auto sp = parse_sp(reader); !sp) return sp;
  if (name != "BODY" || !*whole) return skip_value(reader, 0);
  if (auto body = assign(message.body, parse_nstring(reader)); !body) return body;
  message.body_origin = message.body ? *origin : std::nullopt;
  return {};
}

Parsed<void> parse_msg_att_item(Reader& reader, FetchedMessage& message) {
  const std::string name = upper_case(reader.take_while(is_item_name_char));
  if (name.empty()) return expected_at(reader, "a fetch item");
  if (reader.next_is('[')) return parse_section_item(reader, name, message);
  if (auto sp = parse_sp(reader); !sp) return sp;
  if (name == "UID") return assign(message.uid, parse_nz_number(reader));
  if (name == "FLAGS") return assign(message.flags, parse_flag_list(reader));
  if (name == "INTERNALDATE") return assign(message.internal_date, parse_date_time(reader));
  if (name == "RFC822.SIZE") return assign(message.rfc822_size, parse_number(reader));
  return skip_value(reader, 0);
}

}  // namespace

Parsed<FetchedMessage> parse_msg_att(Reader& reader, std::uint32_t sequence_number) {
  FetchedMessage message{.sequence_number = sequence_number};
  auto items = parse_list(reader, [&message](Reader& item) { return parse_msg_att_item(item, message); });
  if (!items) return std::unexpected(items.error());
  return message;
}

}  // namespace mail::engine::imap
