#include "engine/imap/response_parser.h"

#include <gtest/gtest.h>

namespace mail::engine::imap {
namespace {

// What the parser yields for bytes fed in the given pieces, up to its first error.
struct Outcome {
  std::vector<Response> responses;
  std::optional<std::string> error;
  friend bool operator==(const Outcome&, const Outcome&) = default;
};

Outcome parse_in_pieces(const std::vector<std::string_view>& pieces) {
  ResponseParser parser;
  Outcome outcome;
  for (const std::string_view piece : pieces) {
    parser.feed(piece);
    for (auto next = parser.next(); next.has_value() && next->has_value(); next = parser.next()) {
      outcome.responses.push_back(std::move(**next));
    }
    if (const auto next = parser.next(); !next) {
      outcome.error = next.error();
      return outcome;
    }
  }
  return outcome;
}

const std::string first_body = "Subject: price\r\n\r\nIt costs {5}\r\nand a bare\nLF\r\n";
const std::string second_body = "Subject: \"quoted\"\r\n\r\n)\r\n";

// A whole Sync as Dovecot answers it, with a message whose text looks like a literal.
const std::string sync_transcript =
    "* OK [CAPABILITY IMAP4rev1 SASL-IR LITERAL+ AUTH=PLAIN] Dovecot (Debian) ready.\r\n"
    "A1 OK [CAPABILITY IMAP4rev1 SASL-IR ID ENABLE IDLE UIDPLUS MOVE] Logged in\r\n"
    "* FLAGS (\\Answered \\Flagged \\Deleted \\Seen \\Draft)\r\n"
    "* OK [PERMANENTFLAGS (\\Answered \\Flagged \\Deleted \\Seen \\Draft \\*)] Flags permitted.\r\n"
    "* 2 EXISTS\r\n"
    "* 0 RECENT\r\n"
    "* OK [UIDVALIDITY 1700000000] UIDs valid\r\n"
    "A2 OK [READ-WRITE] Select completed (0.001 + 0.000 secs).\r\n"
    "* SEARCH 7 9\r\n"
    "A3 OK Search completed (0.001 + 0.000 secs).\r\n"
    "* 1 FETCH (UID 7 FLAGS (\\Seen) INTERNALDATE \"05-Mar-2024 14:07:09 +0100\" BODY[] {" +
    std::to_string(first_body.size()) + "}\r\n" + first_body +
    ")\r\n"
    "* 2 FETCH (UID 9 FLAGS () BODY[] {" +
    std::to_string(second_body.size()) + "}\r\n" + second_body +
    ")\r\n"
    "A4 OK Fetch completed (0.002 + 0.000 secs).\r\n"
    "* BYE Logging out\r\n"
    "A5 OK Logout completed (0.001 + 0.000 secs).\r\n";

TEST(ResponseParser, ReadsASessionFedAtOnce) {
  const Outcome outcome = parse_in_pieces({sync_transcript});
  ASSERT_EQ(outcome.error, std::nullopt);
  ASSERT_EQ(outcome.responses.size(), 15u);
  EXPECT_EQ(outcome.responses[10], Response(FetchedMessage{.sequence_number = 1,
                                                           .uid = 7,
                                                           .flags = std::vector<std::string>{"\\Seen"},
                                                           .internal_date = 1709644029,
                                                           .body = first_body}));
  EXPECT_EQ(outcome.responses[11],
            Response(FetchedMessage{
                .sequence_number = 2, .uid = 9, .flags = std::vector<std::string>{}, .body = second_body}));
  EXPECT_EQ(outcome.responses[14],
            Response(StatusResponse{.tag = "A5", .text = "Logout completed (0.001 + 0.000 secs)."}));
}

TEST(ResponseParser, ReadsTheSameSessionHoweverItIsSplit) {
  const Outcome whole = parse_in_pieces({sync_transcript});
  const std::string_view bytes = sync_transcript;
  for (std::size_t split = 0; split <= bytes.size(); ++split) {
    SCOPED_TRACE("split at byte " + std::to_string(split));
    ASSERT_EQ(parse_in_pieces({bytes.substr(0, split), bytes.substr(split)}), whole);
  }
  std::vector<std::string_view> single_bytes;
  for (std::size_t index = 0; index < bytes.size(); ++index) single_bytes.push_back(bytes.substr(index, 1));
  EXPECT_EQ(parse_in_pieces(single_bytes), whole);
}

TEST(ResponseParser, WaitsForTheRestOfASplitResponse) {
  const struct {
    const char* name;
    std::vector<std::string_view> pieces;
    Response expected;
  } rows[] = {
      {"fetch-body-literal-split-in-header",
       {"* 1 FETCH (UID 7 BODY[] {1", "1}\r\nHello world)\r\n"},
       FetchedMessage{.sequence_number = 1, .uid = 7, .body = "Hello world"}},
      {"fetch-body-literal-split-in-data",
       {"* 1 FETCH (BODY[] {11}\r\nHello", " world)\r\n"},
       FetchedMessage{.sequence_number = 1, .body = "Hello world"}},
      {"list-literal-split-between-cr-and-lf",
       {"* LIST () \"/\" {5}\r", "\nINBOX\r\n"},
       ListedMailbox{.delimiter = '/', .name = "INBOX"}},
      {"list-quoted-split-after-backslash",
       {"* LIST () \"/\" \"a\\", "\"b\"\r\n"},
       ListedMailbox{.delimiter = '/', .name = "a\"b"}},
      {"tagged-split-between-cr-and-lf", {"A1 OK done\r", "\n"}, StatusResponse{.tag = "A1", .text = "done"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ResponseParser parser;
    parser.feed(row.pieces[0]);
    EXPECT_EQ(parser.next(), std::nullopt);
    parser.feed(row.pieces[1]);
    EXPECT_EQ(parser.next(), row.expected);
    EXPECT_EQ(parser.next(), std::nullopt);
  }
}

TEST(ResponseParser, DoesNotWaitForALiteralAStatusTextSeemsToAnnounce) {
  const Outcome outcome = parse_in_pieces({"A3 NO Mailbox doesn't exist: {3}\r\n", "A4 OK\r\n"});
  EXPECT_EQ(outcome,
            (Outcome{.responses = {
                         StatusResponse{.tag = "A3", .condition = Condition::no, .text = "Mailbox doesn't exist: {3}"},
                         StatusResponse{.tag = "A4"}}}));
}

TEST(ResponseParser, WaitsForAHugeAnnouncedLiteralWithoutReservingIt) {
  ResponseParser parser;
  parser.feed("* 1 FETCH (BODY[] {4294967295}\r\nFrom: a@x.org\r\n");
  EXPECT_EQ(parser.next(), std::nullopt);
}

TEST(ResponseParser, KeepsReportingItsFirstError) {
  const struct {
    const char* name;
    std::string_view bytes;
    const char* error;
  } rows[] = {
      {"line-ending-in-bare-lf", "* OK hi\n", "invalid IMAP response: a line ends in LF without CR"},
      {"unparsable-fetch", "* 1 FETCH (UID x)\r\n",
       "invalid IMAP response \"* 1 FETCH (UID x)\": expected a number at byte 15"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ResponseParser parser;
    parser.feed(row.bytes);
    EXPECT_EQ(parser.next(), std::unexpected(row.error));
    parser.feed("A1 OK done\r\n");
    EXPECT_EQ(parser.next(), std::unexpected(row.error));
  }
}

}  // namespace
}  // namespace mail::engine::imap
