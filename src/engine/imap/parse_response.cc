#include "engine/imap/parse_response.h"

#include <array>
#include <utility>
#include <vector>

#include "engine/imap/keyword.h"
#include "engine/imap/mailbox_list.h"
#include "engine/imap/msg_att.h"
#include "engine/imap/primitives.h"
#include "engine/imap/response_text.h"

namespace mail::engine::imap {
namespace {

constexpr std::size_t max_excerpt_size = 80;

bool is_tag_char(char c) { return is_astring_char(c) && c != '+'; }

// Zero or more "SP item", tolerating the blank some servers leave before the CRLF.
template <class T>
Parsed<std::vector<T>> parse_spaced_items(Reader& reader, Parsed<T> (*parse_item)(Reader&)) {
  std::vector<T> items;
  while (reader.skip(' ') && !reader.next_is('\r')) {
    auto item = parse_item(reader);
    if (!item) return std::unexpected(item.error());
    items.push_back(std::move(*item));
  }
  return items;
}

Parsed<Response> parse_capability_data(Reader& reader) {
  const auto names = parse_spaced_items(reader, parse_atom);
  if (!names) return std::unexpected(names.error());
  return Capabilities{{names->begin(), names->end()}};
}

Parsed<Response> parse_search_data(Reader& reader) {
  auto numbers = parse_spaced_items(reader, parse_nz_number);
  if (!numbers) return std::unexpected(numbers.error());
  return SearchResult{std::move(*numbers)};
}

Parsed<Response> parse_flags_data(Reader& reader) {
  if (auto sp = parse_sp(reader); !sp) return std::unexpected(sp.error());
  auto flags = parse_flag_list(reader);
  if (!flags) return std::unexpected(flags.error());
  return MailboxFlags{std::move(*flags)};
}

Parsed<Response> parse_list_data(Reader& reader) {
  if (auto sp = parse_sp(reader); !sp) return std::unexpected(sp.error());
  return parse_mailbox_list(reader);
}

// Its grammar is not known here, so it runs to the response's final CRLF.
Parsed<Response> parse_other_untagged(Reader& reader) {
  const std::size_t size = reader.remaining() < 2 ? 0 : reader.remaining() - 2;
  return OtherUntagged{std::string(reader.take(size))};
}

constexpr std::array<std::pair<std::string_view, Parsed<Response> (*)(Reader&)>, 4> mailbox_data = {{
    {"CAPABILITY", parse_capability_data},
    {"FLAGS", parse_flags_data},
    {"LIST", parse_list_data},
    {"SEARCH", parse_search_data},
}};

// message-data and EXISTS; other "* n KEYWORD" responses (RECENT ...) are passed on.
Parsed<Response> parse_numbered_data(Reader& reader) {
  const Reader start = reader;
  const auto number = parse_number(reader);
  if (!number) return std::unexpected(number.error());
  if (auto sp = parse_sp(reader); !sp) return std::unexpected(sp.error());
  const auto keyword = parse_atom(reader);
  if (!keyword) return std::unexpected(keyword.error());
  if (is_keyword(*keyword, "EXISTS")) return MessageCount{*number};
  if (!is_keyword(*keyword, "EXPUNGE") && !is_keyword(*keyword, "FETCH")) return parse_other_untagged(reader = start);
  if (*number == 0) return expected_at(start, "a non-zero message number");
  if (is_keyword(*keyword, "EXPUNGE")) return Expunged{*number};
  if (auto sp = parse_sp(reader); !sp) return std::unexpected(sp.error());
  return parse_msg_att(reader, *number);
}

Parsed<Response> parse_response_data(Reader& reader) {
  if (auto sp = parse_sp(reader); !sp) return std::unexpected(sp.error());
  if (reader.next_matches(is_digit)) return parse_numbered_data(reader);
  const Reader start = reader;
  const auto keyword = parse_atom(reader);
  if (!keyword) return std::unexpected(keyword.error());
  if (const auto condition = condition_named(*keyword)) return parse_resp_text(reader, {.condition = *condition});
  for (const auto& [name, parse_data] : mailbox_data) {
    if (is_keyword(*keyword, name)) return parse_data(reader);
  }
  return parse_other_untagged(reader = start);
}

Parsed<Response> parse_response_tagged(Reader& reader) {
  const std::string_view tag = reader.take_while(is_tag_char);
  if (tag.empty()) return expected_at(reader, "'*', '+' or a tag");
  if (auto sp = parse_sp(reader); !sp) return std::unexpected(sp.error());
  const std::size_t keyword_start = reader.position();
  const auto keyword = parse_atom(reader);
  const auto condition = keyword ? condition_named(*keyword) : std::nullopt;
  if (condition != Condition::ok && condition != Condition::no && condition != Condition::bad) {
    return expected_at(keyword_start, "OK, NO or BAD");
  }
  return parse_resp_text(reader, {.tag = std::string(tag), .condition = *condition});
}

// "+" [SP text]: the text stays as sent, Base64 or prose.
Parsed<Response> parse_continue_req(Reader& reader) {
  reader.skip(' ');
  return ContinuationRequest{std::string(parse_text(reader))};
}

Parsed<Response> parse_any_response(Reader& reader) {
  auto response = reader.skip('+')   ? parse_continue_req(reader)
                  : reader.skip('*') ? parse_response_data(reader)
                                     : parse_response_tagged(reader);
  if (!response) return response;
  if (auto crlf = parse_crlf(reader); !crlf) return std::unexpected(crlf.error());
  if (!reader.at_end()) return expected_at(reader, "the end of the response");
  return response;
}

// The start of the first line, with anything unprintable masked, for an error to quote.
std::string excerpt(std::string_view bytes) {
  const std::string_view line = bytes.substr(0, bytes.find_first_of("\r\n"));
  std::string quoted = "\"";
  for (const char c : line.substr(0, max_excerpt_size)) quoted += (c >= ' ' && c <= '~') ? c : '?';
  return quoted + (line.size() > max_excerpt_size ? "...\"" : "\"");
}

}  // namespace

std::expected<Response, std::string> parse_response(std::string_view bytes) {
  Reader reader(bytes);
  auto response = parse_any_response(reader);
  if (!response) return std::unexpected("invalid IMAP response " + excerpt(bytes) + ": " + response.error());
  return response;
}

}  // namespace mail::engine::imap
