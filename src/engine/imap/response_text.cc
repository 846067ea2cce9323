#include "engine/imap/response_text.h"

#include <array>
#include <utility>

#include "engine/imap/keyword.h"

namespace mail::engine::imap {
namespace {

constexpr std::array<std::pair<std::string_view, Condition>, 5> conditions = {{
    {"OK", Condition::ok},
    {"NO", Condition::no},
    {"BAD", Condition::bad},
    {"PREAUTH", Condition::preauth},
    {"BYE", Condition::bye},
}};

// The arguments run to the bracket: each code gives them its own syntax.
Parsed<ResponseCode> parse_resp_text_code(Reader& reader) {
  if (!reader.skip('[')) return expected_at(reader, "'['");
  const auto name = parse_atom(reader);
  if (!name) return std::unexpected(name.error());
  ResponseCode code{.name = upper_case(*name)};
  if (reader.skip(' ')) code.arguments = reader.take_while([](char c) { return is_text_char(c) && c != ']'; });
  if (!reader.skip(']')) return expected_at(reader, "']'");
  return code;
}

}  // namespace

std::optional<Condition> condition_named(std::string_view keyword) {
  for (const auto& [name, condition] : conditions) {
    if (is_keyword(keyword, name)) return condition;
  }
  return std::nullopt;
}

Parsed<StatusResponse> parse_resp_text(Reader& reader, StatusResponse status) {
  if (!reader.skip(' ')) return status;
  if (reader.next_is('[')) {
    auto code = parse_resp_text_code(reader);
    if (!code) return std::unexpected(code.error());
    status.code = std::move(*code);
    reader.skip(' ');
  }
  status.text = parse_text(reader);
  return status;
}

}  // namespace mail::engine::imap
