#include "engine/imap/parse_response.h"

#include <gtest/gtest.h>

#include <span>

namespace mail::engine::imap {
namespace {

using namespace std::string_view_literals;

struct Row {
  const char* name;
  std::string_view bytes;
  Response expected;
};

void expect_parsed(std::span<const Row> rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const auto parsed = parse_response(row.bytes);
    ASSERT_TRUE(parsed) << parsed.error();
    EXPECT_EQ(*parsed, row.expected);
  }
}

StatusResponse status(std::string tag, Condition condition, std::string text,
                      std::optional<ResponseCode> code = std::nullopt) {
  return {.tag = std::move(tag), .condition = condition, .code = std::move(code), .text = std::move(text)};
}

TEST(ParseResponse, ReadsStatusResponsesWithTheirCodes) {
  const Row rows[] = {
      {"dovecot-greeting",
       "* OK [CAPABILITY IMAP4rev1 SASL-IR LOGIN-REFERRALS ID ENABLE IDLE LITERAL+ AUTH=PLAIN] Dovecot (Debian) "
       "ready.\r\n",
       status("", Condition::ok, "Dovecot (Debian) ready.",
              ResponseCode{"CAPABILITY", "IMAP4rev1 SASL-IR LOGIN-REFERRALS ID ENABLE IDLE LITERAL+ AUTH=PLAIN"})},
      {"gmail-greeting", "* OK Gimap ready for requests from 192.0.2.7 a1mb3542190wrb\r\n",
       status("", Condition::ok, "Gimap ready for requests from 192.0.2.7 a1mb3542190wrb")},
      {"preauth-greeting", "* PREAUTH IMAP4rev1 server logged in as mira\r\n",
       status("", Condition::preauth, "IMAP4rev1 server logged in as mira")},
      {"tagged-ok-alert", "A1 OK [ALERT] Your password expires in 3 days\r\n",
       status("A1", Condition::ok, "Your password expires in 3 days", ResponseCode{"ALERT", ""})},
      {"tagged-no-authenticationfailed", "A1 NO [AUTHENTICATIONFAILED] Authentication failed.\r\n",
       status("A1", Condition::no, "Authentication failed.", ResponseCode{"AUTHENTICATIONFAILED", ""})},
      {"tagged-no-trycreate", "A5 NO [TRYCREATE] Mailbox doesn't exist: Junk\r\n",
       status("A5", Condition::no, "Mailbox doesn't exist: Junk", ResponseCode{"TRYCREATE", ""})},
      {"tagged-ok-read-write-timing", "A3 OK [READ-WRITE] Select completed (0.002 + 0.000 secs).\r\n",
       status("A3", Condition::ok, "Select completed (0.002 + 0.000 secs).", ResponseCode{"READ-WRITE", ""})},
      {"tagged-ok-copyuid", "A5 OK [COPYUID 1700000000 42 7] Moved UIDs.\r\n",
       status("A5", Condition::ok, "Moved UIDs.", ResponseCode{"COPYUID", "1700000000 42 7"})},
      {"untagged-ok-permanentflags",
       "* OK [PERMANENTFLAGS (\\Answered \\Flagged \\Deleted \\Seen \\Draft \\*)] Flags permitted.\r\n",
       status("", Condition::ok, "Flags permitted.",
              ResponseCode{"PERMANENTFLAGS", "(\\Answered \\Flagged \\Deleted \\Seen \\Draft \\*)"})},
      {"untagged-ok-code-without-text", "* OK [UIDNEXT 4]\r\n",
       status("", Condition::ok, "", ResponseCode{"UIDNEXT", "4"})},
      {"tagged-bad-unknown-command", "A6 BAD Error in IMAP command UID EXPUNGE: Unknown command.\r\n",
       status("A6", Condition::bad, "Error in IMAP command UID EXPUNGE: Unknown command.")},
      {"tagged-ok-bare", "A7 OK\r\n", status("A7", Condition::ok, "")},
      {"tagged-mixed-case", "a8 oK [uidplus] done\r\n",
       status("a8", Condition::ok, "done", ResponseCode{"UIDPLUS", ""})},
      {"untagged-bye", "* BYE Logging out\r\n", status("", Condition::bye, "Logging out")},
      {"untagged-bye-unavailable", "* BYE [UNAVAILABLE] Server shutting down.\r\n",
       status("", Condition::bye, "Server shutting down.", ResponseCode{"UNAVAILABLE", ""})},
      {"status-text-ending-like-a-literal", "A3 NO Mailbox doesn't exist: {3}\r\n",
       status("A3", Condition::no, "Mailbox doesn't exist: {3}")},
  };
  expect_parsed(rows);
}

TEST(ParseResponse, ReadsContinuationRequests) {
  const Row rows[] = {
      {"continuation-xoauth2-error",
       "+ eyJzdGF0dXMiOiI0MDEiLCJzY2hlbWVzIjoiQmVhcmVyIiwic2NvcGUiOiJodHRwczovL21haWwuZ29vZ2xlLmNvbS8ifQ==\r\n",
       ContinuationRequest{
           "eyJzdGF0dXMiOiI0MDEiLCJzY2hlbWVzIjoiQmVhcmVyIiwic2NvcGUiOiJodHRwczovL21haWwuZ29vZ2xlLmNvbS8ifQ=="}},
      {"continuation-literal", "+ Ready for literal data\r\n", ContinuationRequest{"Ready for literal data"}},
      {"continuation-empty-text", "+ \r\n", ContinuationRequest{""}},
      {"continuation-bare", "+\r\n", ContinuationRequest{""}},
  };
  expect_parsed(rows);
}

TEST(ParseResponse, ReadsMailboxData) {
  const Row rows[] = {
      {"untagged-capability", "* CAPABILITY IMAP4rev1 SASL-IR ID ENABLE IDLE UIDPLUS MOVE SPECIAL-USE LITERAL+\r\n",
       Capabilities{{"IMAP4rev1", "SASL-IR", "ID", "ENABLE", "IDLE", "UIDPLUS", "MOVE", "SPECIAL-USE", "LITERAL+"}}},
      {"untagged-flags", "* FLAGS (\\Answered \\Flagged \\Deleted \\Seen \\Draft $Forwarded)\r\n",
       MailboxFlags{{"\\Answered", "\\Flagged", "\\Deleted", "\\Seen", "\\Draft", "$Forwarded"}}},
      {"untagged-flags-empty", "* FLAGS ()\r\n", MailboxFlags{}},
      {"untagged-exists", "* 172 EXISTS\r\n", MessageCount{172}},
      {"untagged-exists-empty-mailbox", "* 0 EXISTS\r\n", MessageCount{0}},
      {"untagged-expunge", "* 3 EXPUNGE\r\n", Expunged{3}},
      {"untagged-search", "* SEARCH 2 84 882\r\n", SearchResult{{2, 84, 882}}},
      {"untagged-search-empty", "* SEARCH\r\n", SearchResult{}},
      {"untagged-search-empty-trailing-blank", "* SEARCH \r\n", SearchResult{}},
      {"untagged-search-mixed-case", "* search 4294967295\r\n", SearchResult{{4294967295}}},
      {"untagged-recent-passed-on", "* 0 RECENT\r\n", OtherUntagged{"0 RECENT"}},
      {"untagged-status-literal-passed-on", "* STATUS {5}\r\nINBOX (MESSAGES 2)\r\n",
       OtherUntagged{"STATUS {5}\r\nINBOX (MESSAGES 2)"}},
      {"untagged-enabled-passed-on", "* ENABLED CONDSTORE\r\n", OtherUntagged{"ENABLED CONDSTORE"}},
  };
  expect_parsed(rows);
}

TEST(ParseResponse, ReadsListedMailboxes) {
  const auto listed = [](std::vector<std::string> attributes, std::optional<char> delimiter, std::string name) {
    return ListedMailbox{.attributes = std::move(attributes), .delimiter = delimiter, .name = std::move(name)};
  };
  const Row rows[] = {
      {"untagged-list-inbox-atom", "* LIST (\\HasNoChildren) \"/\" INBOX\r\n",
       listed({"\\HasNoChildren"}, '/', "INBOX")},
      {"untagged-list-quoted-special-use", "* LIST (\\HasNoChildren \\Sent) \".\" \"Sent Items\"\r\n",
       listed({"\\HasNoChildren", "\\Sent"}, '.', "Sent Items")},
      {"untagged-list-inbox-literal", "* LIST () \"/\" {5}\r\nINBOX\r\n", listed({}, '/', "INBOX")},
      {"untagged-list-literal-with-quote", "* LIST () \"/\" {9}\r\nsay \"hi\"!\r\n", listed({}, '/', "say \"hi\"!")},
      {"untagged-list-escaped-quote", "* LIST () \"/\" \"say \\\"hi\\\" \\\\o/\"\r\n",
       listed({}, '/', "say \"hi\" \\o/")},
      {"untagged-list-escaped-delimiter", "* LIST (\\Noselect) \"\\\\\" Public\r\n",
       listed({"\\Noselect"}, '\\', "Public")},
      {"untagged-list-nil-delimiter", "* LIST (\\Noinferiors) NIL Flat\r\n",
       listed({"\\Noinferiors"}, std::nullopt, "Flat")},
      {"untagged-list-gmail-brackets", "* LIST (\\All \\HasNoChildren) \"/\" \"[Gmail]/All Mail\"\r\n",
       listed({"\\All", "\\HasNoChildren"}, '/', "[Gmail]/All Mail")},
      {"untagged-list-modified-utf7", "* LIST (\\HasNoChildren \\Drafts) \"/\" Entw&APw-rfe\r\n",
       listed({"\\HasNoChildren", "\\Drafts"}, '/', "Entwürfe")},
      {"untagged-list-raw-utf8-kept", "* LIST () \"/\" \"Entwürfe\"\r\n", listed({}, '/', "Entwürfe")},
      {"untagged-list-mixed-case", "* list (\\noselect) \"/\" \"Foo\"\r\n", listed({"\\noselect"}, '/', "Foo")},
  };
  expect_parsed(rows);
}

TEST(ParseResponse, ReadsFetchedMessages) {
  const Row rows[] = {
      {"fetch-sync-window",
       "* 1 FETCH (UID 71 FLAGS (\\Seen) INTERNALDATE \"17-Jul-1996 02:44:25 -0700\" BODY[] {19}\r\n"
       "Subject: hi\r\n\r\nyo\r\n)\r\n",
       FetchedMessage{.sequence_number = 1,
                      .uid = 71,
                      .flags = std::vector<std::string>{"\\Seen"},
                      .internal_date = 837596665,
                      .body = "Subject: hi\r\n\r\nyo\r\n"}},
      {"fetch-mixed-case",
       "* 2 fetch (uid 9 flags (\\SEEN \\flagged $Junk) internaldate \" 5-Mar-2024 14:07:09 +0100\" "
       "rfc822.size 1234)\r\n",
       FetchedMessage{.sequence_number = 2,
                      .uid = 9,
                      .flags = std::vector<std::string>{"\\Seen", "\\Flagged", "$Junk"},
                      .internal_date = 1709644029,
                      .rfc822_size = 1234}},
      {"fetch-store-echo-with-modseq", "* 4 FETCH (UID 42 MODSEQ (12345) FLAGS ())\r\n",
       FetchedMessage{.sequence_number = 4, .uid = 42, .flags = std::vector<std::string>{}}},
      {"fetch-gmail-extensions",
       "* 12 FETCH (X-GM-THRID 1278455344230334865 X-GM-LABELS (\\Inbox \\Sent Important \"Muy Importante\") "
       "UID 5)\r\n",
       FetchedMessage{.sequence_number = 12, .uid = 5}},
      {"fetch-envelope-read-past",
       "* 3 FETCH (ENVELOPE (\"Tue, 5 Mar 2024 14:07:09 +0100\" {4}\r\nHi()  ((\"Mira\" NIL \"mira\" \"x.org\")) "
       "NIL NIL NIL NIL NIL NIL \"<1@x.org>\") UID 8)\r\n",
       FetchedMessage{.sequence_number = 3, .uid = 8}},
      {"fetch-header-section-read-past",
       "* 5 FETCH (BODY[HEADER.FIELDS (\"Subject\" {4}\r\nDate)] {4}\r\nS: x UID 6)\r\n",
       FetchedMessage{.sequence_number = 5, .uid = 6}},
      {"fetch-body-partial-origin", "* 6 FETCH (BODY[]<1024> {3}\r\nabc)\r\n",
       FetchedMessage{.sequence_number = 6, .body = "abc", .body_origin = 1024}},
      {"fetch-body-nil", "* 7 FETCH (UID 3 BODY[] NIL)\r\n", FetchedMessage{.sequence_number = 7, .uid = 3}},
      {"fetch-body-quoted", "* 8 FETCH (BODY[] \"a\\\\b\")\r\n", FetchedMessage{.sequence_number = 8, .body = "a\\b"}},
      {"fetch-body-literal-with-nul-and-crlf", "* 9 FETCH (BODY[] {4}\r\n\0\r\n))\r\n"sv,
       FetchedMessage{.sequence_number = 9, .body = std::string("\0\r\n)", 4)}},
  };
  expect_parsed(rows);
}

TEST(ParseResponse, NamesWhatIsWrongAndWhere) {
  const struct {
    const char* name;
    std::string_view bytes;
    const char* error;
  } rows[] = {
      {"garbage", "hello\r\n", "invalid IMAP response \"hello\": expected ' ' at byte 5"},
      {"tagged-bye", "A1 BYE now\r\n", "invalid IMAP response \"A1 BYE now\": expected OK, NO or BAD at byte 3"},
      {"unknown-condition", "A1 MAYBE\r\n", "invalid IMAP response \"A1 MAYBE\": expected OK, NO or BAD at byte 3"},
      {"fetch-unclosed", "* 1 FETCH (UID 5\r\n",
       "invalid IMAP response \"* 1 FETCH (UID 5\": expected ' ' or ')' at byte 16"},
      {"fetch-uid-zero", "* 1 FETCH (UID 0)\r\n",
       "invalid IMAP response \"* 1 FETCH (UID 0)\": expected a non-zero number at byte 15"},
      {"fetch-sequence-zero", "* 0 FETCH (UID 1)\r\n",
       "invalid IMAP response \"* 0 FETCH (UID 1)\": expected a non-zero message number at byte 2"},
      {"exists-overflow", "* 4294967296 EXISTS\r\n",
       "invalid IMAP response \"* 4294967296 EXISTS\": number 4294967296 is too large"},
      {"fetch-impossible-date", "* 1 FETCH (INTERNALDATE \"30-Feb-2024 10:00:00 +0000\")\r\n",
       "invalid IMAP response \"* 1 FETCH (INTERNALDATE \"30-Feb-2024 10:00:00 +0000\")\": expected a date-time like "
       "\"17-Jul-1996 02:44:25 -0700\" at byte 24"},
      {"quoted-bad-escape", "* LIST () \"/\" \"a\\b\"\r\n",
       "invalid IMAP response \"* LIST () \"/\" \"a\\b\"\": expected '\"' or '\\' after '\\' at byte 17"},
      {"quoted-unterminated", "* LIST () \"/\" \"INBOX\r\n",
       "invalid IMAP response \"* LIST () \"/\" \"INBOX\": expected the closing '\"' at byte 20"},
      {"list-long-delimiter", "* LIST () \"::\" INBOX\r\n",
       "invalid IMAP response \"* LIST () \"::\" INBOX\": expected a one-character delimiter or NIL at byte 10"},
      {"search-zero", "* SEARCH 1 0\r\n",
       "invalid IMAP response \"* SEARCH 1 0\": expected a non-zero number at byte 11"},
      {"literal-short", "* LIST () \"/\" {9}\r\nINBOX\r\n",
       "invalid IMAP response \"* LIST () \"/\" {9}\": expected 9 bytes of literal data at byte 19"},
      {"bytes-after-end", "* OK hi\r\nA1 OK\r\n",
       "invalid IMAP response \"* OK hi\": expected the end of the response at byte 9"},
      {"control-bytes-masked", "\x01\x02 OK\r\n",
       "invalid IMAP response \"?? OK\": expected '*', '+' or a tag at byte 0"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(parse_response(row.bytes), std::unexpected(row.error));
  }
}

TEST(ParseResponse, RefusesListsNestedDeeperThanAnyRealMessage) {
  const auto fetch_with_nesting = [](std::size_t depth) {
    return "* 1 FETCH (BODYSTRUCTURE " + std::string(depth, '(') + "NIL" + std::string(depth, ')') + ")\r\n";
  };
  EXPECT_TRUE(parse_response(fetch_with_nesting(100)));
  const auto refused = parse_response(fetch_with_nesting(100'000));
  ASSERT_FALSE(refused);
  EXPECT_TRUE(refused.error().ends_with("lists are nested too deeply at byte 125")) << refused.error();
}

}  // namespace
}  // namespace mail::engine::imap
