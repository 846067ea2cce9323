#include "engine/imap/mailbox_list.h"

#include "engine/imap/modified_utf7.h"

namespace mail::engine::imap {
namespace {

Parsed<std::optional<char>> parse_delimiter(Reader& reader) {
  const std::size_t start = reader.position();
  const auto delimiter = parse_nstring(reader);
  if (!delimiter) return std::unexpected(delimiter.error());
  if (!*delimiter) return std::nullopt;
  if ((*delimiter)->size() != 1) return expected_at(start, "a one-character delimiter or NIL");
  return (*delimiter)->front();
}

// A name that is not modified UTF-7 is most likely raw UTF-8 from a server that never
// encoded it; shown as sent, it is still recognisable.
std::string decoded_name(std::string name) {
  auto decoded = decode_modified_utf7(name);
  return decoded ? std::move(*decoded) : std::move(name);
}

}  // namespace

Parsed<ListedMailbox> parse_mailbox_list(Reader& reader) {
  auto attributes = parse_flag_list(reader);
  if (!attributes) return std::unexpected(attributes.error());
  if (auto sp = parse_sp(reader); !sp) return std::unexpected(sp.error());
  const auto delimiter = parse_delimiter(reader);
  if (!delimiter) return std::unexpected(delimiter.error());
  if (auto sp = parse_sp(reader); !sp) return std::unexpected(sp.error());
  auto name = parse_astring(reader);
  if (!name) return std::unexpected(name.error());
  return ListedMailbox{
      .attributes = std::move(*attributes), .delimiter = *delimiter, .name = decoded_name(std::move(*name))};
}

}  // namespace mail::engine::imap
