// Arbitrary server bytes through the IMAP response parser, fed once whole and once in
// pieces whose sizes the input's first byte seeds. Besides not crashing and ending, the
// parser must yield the same responses, and the same error, however the bytes are
// split. The same bytes also go through the mailbox-name decoder, and, as a string
// argument, through the command writer, which must write them so they read back
// unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/imap/command_writer.h"
#include "engine/imap/modified_utf7.h"
#include "engine/imap/primitives.h"
#include "engine/imap/response_parser.h"

namespace {

using namespace mail::engine::imap;

struct Outcome {
  std::vector<Response> responses;
  std::optional<std::string> error;
  friend bool operator==(const Outcome&, const Outcome&) = default;
};

template <class NextPieceSize>
Outcome parse_in_pieces(std::string_view bytes, NextPieceSize next_piece_size) {
  ResponseParser parser;
  Outcome outcome;
  while (!bytes.empty()) {
    const std::size_t size = next_piece_size();
    parser.feed(bytes.substr(0, size));
    bytes.remove_prefix(std::min(size, bytes.size()));
    for (auto next = parser.next(); next.has_value() && next->has_value(); next = parser.next()) {
      outcome.responses.push_back(std::move(**next));
    }
    if (const auto next = parser.next(); !next) {
      outcome.error = next.error();
      break;
    }
  }
  return outcome;
}

void check_split_invariance(std::uint8_t seed, std::string_view bytes) {
  std::minstd_rand random(seed + 1u);
  std::uniform_int_distribution<std::size_t> piece_size(1, 1 + seed % 64);
  const Outcome whole = parse_in_pieces(bytes, [&bytes] { return bytes.size(); });
  const Outcome split = parse_in_pieces(bytes, [&] { return piece_size(random); });
  if (!(whole == split)) std::abort();
}

void check_string_round_trip(std::string_view text) {
  CommandWriter writer;
  const auto command = writer.select(text);
  if (!command) {
    if (!text.contains('\0')) std::abort();
    return;
  }
  std::string wire;
  for (const std::string& part : command->parts) wire += part;
  Reader reader(std::string_view(wire).substr(std::string_view("A1 SELECT ").size()));
  const auto read_back = parse_astring(reader);
  if (!read_back || *read_back != text || !parse_crlf(reader) || !reader.at_end()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  check_split_invariance(data[0], bytes);
  check_string_round_trip(bytes);
  decode_modified_utf7(bytes);
  return 0;
}
