#include "engine/imap/command_writer.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/imap/primitives.h"
#include "engine/imap/xoauth2.h"

namespace mail::engine::imap {
namespace {

using namespace std::string_view_literals;

using Write = std::function<std::expected<Command, std::string>(CommandWriter&)>;

TEST(CommandWriter, WritesEachCommandAsTheServerExpectsIt) {
  const std::uint32_t window[] = {120, 119, 71};
  const struct {
    const char* name;
    Write write;
    std::vector<std::string> parts;
  } rows[] = {
      {"login-quoted",
       [](auto& w) { return w.login("mira@x.org", "s3cret"); },
       {"A1 LOGIN \"mira@x.org\" \"s3cret\"\r\n"}},
      {"login-escaped",
       [](auto& w) { return w.login("mira", R"(pa"ss\word)"); },
       {R"(A1 LOGIN "mira" "pa\"ss\\word")"
        "\r\n"}},
      {"login-8bit-password-as-literal",
       [](auto& w) { return w.login("mira", "pässword"); },
       {"A1 LOGIN \"mira\" {9}\r\n", "pässword\r\n"}},
      {"login-both-as-literals",
       [](auto& w) { return w.login("mi\nra", "pass\r\nA2 LOGOUT"); },
       {"A1 LOGIN {5}\r\n", "mi\nra {15}\r\n", "pass\r\nA2 LOGOUT\r\n"}},
      {"authenticate-xoauth2", [](auto& w) { return w.authenticate_xoauth2(); }, {"A1 AUTHENTICATE XOAUTH2\r\n"}},
      {"select", [](auto& w) { return w.select("INBOX"); }, {"A1 SELECT \"INBOX\"\r\n"}},
      {"list-all", [](auto& w) { return w.list_all(); }, {"A1 LIST \"\" *\r\n"}},
      {"uid-search-all", [](auto& w) { return w.uid_search(SearchKey::all); }, {"A1 UID SEARCH ALL\r\n"}},
      {"uid-search-flagged", [](auto& w) { return w.uid_search(SearchKey::flagged); }, {"A1 UID SEARCH FLAGGED\r\n"}},
      {"uid-search-message-id",
       [](auto& w) { return w.uid_search_message_id("<a1b2@mail.x.org>"); },
       {"A1 UID SEARCH HEADER MESSAGE-ID \"<a1b2@mail.x.org>\"\r\n"}},
      {"uid-search-message-id-with-quotes",
       [](auto& w) { return w.uid_search_message_id(R"(<"odd\id"@x.org>)"); },
       {R"(A1 UID SEARCH HEADER MESSAGE-ID "<\"odd\\id\"@x.org>")"
        "\r\n"}},
      {"uid-search-message-id-with-line-break",
       [](auto& w) { return w.uid_search_message_id("<a@x.org>\r\nA2 DELETE INBOX"); },
       {"A1 UID SEARCH HEADER MESSAGE-ID {26}\r\n", "<a@x.org>\r\nA2 DELETE INBOX\r\n"}},
      {"uid-fetch-window",
       [&window](auto& w) { return w.uid_fetch_messages(window); },
       {"A1 UID FETCH 120,119,71 (UID FLAGS INTERNALDATE BODY.PEEK[])\r\n"}},
      {"uid-store-seen",
       [](auto& w) { return w.uid_store(42, MessageFlag::seen, true); },
       {"A1 UID STORE 42 +FLAGS (\\Seen)\r\n"}},
      {"uid-store-unseen",
       [](auto& w) { return w.uid_store(42, MessageFlag::seen, false); },
       {"A1 UID STORE 42 -FLAGS (\\Seen)\r\n"}},
      {"uid-store-flagged",
       [](auto& w) { return w.uid_store(42, MessageFlag::flagged, true); },
       {"A1 UID STORE 42 +FLAGS (\\Flagged)\r\n"}},
      {"uid-store-unflagged",
       [](auto& w) { return w.uid_store(42, MessageFlag::flagged, false); },
       {"A1 UID STORE 42 -FLAGS (\\Flagged)\r\n"}},
      {"uid-mark-deleted",
       [](auto& w) { return w.uid_mark_deleted(42); },
       {"A1 UID STORE 42 +FLAGS.SILENT (\\Deleted)\r\n"}},
      {"uid-move", [](auto& w) { return w.uid_move(42, "Archive"); }, {"A1 UID MOVE 42 \"Archive\"\r\n"}},
      {"uid-expunge", [](auto& w) { return w.uid_expunge(42); }, {"A1 UID EXPUNGE 42\r\n"}},
      {"logout", [](auto& w) { return w.logout(); }, {"A1 LOGOUT\r\n"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    CommandWriter writer;
    const auto command = row.write(writer);
    ASSERT_TRUE(command) << command.error();
    EXPECT_EQ(command->tag, "A1");
    EXPECT_EQ(command->parts, row.parts);
  }
}

TEST(CommandWriter, TagsCommandsInOrderAndSkipsNoneOnRefusal) {
  CommandWriter writer;
  EXPECT_EQ(writer.login("mira", "s3cret")->tag, "A1");
  EXPECT_EQ(writer.select("pass\0word"sv),
            std::unexpected("the mailbox name contains a NUL byte, which IMAP cannot send"));
  EXPECT_EQ(writer.select("INBOX")->tag, "A2");
  EXPECT_EQ(writer.uid_search(SearchKey::all).parts, std::vector<std::string>{"A3 UID SEARCH ALL\r\n"});
}

TEST(CommandWriter, RefusesTextWithANulByte) {
  CommandWriter writer;
  const struct {
    const char* name;
    std::expected<Command, std::string> written;
    const char* error;
  } rows[] = {
      {"user", writer.login("mi\0ra"sv, "s3cret"), "the user name contains a NUL byte, which IMAP cannot send"},
      {"password", writer.login("mira", "s3\0cret"sv), "the password contains a NUL byte, which IMAP cannot send"},
      {"message-id", writer.uid_search_message_id("<a\0@x.org>"sv),
       "the Message-ID contains a NUL byte, which IMAP cannot send"},
      {"move-target", writer.uid_move(4, "Arch\0ive"sv),
       "the mailbox name contains a NUL byte, which IMAP cannot send"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.written, std::unexpected(row.error));
  }
}

// The server reads a string argument back as an astring; whatever the text, it must
// arrive unchanged.
TEST(CommandWriter, WritesStringsThatReadBackUnchanged) {
  for (const std::string_view text : {""sv, "plain"sv, "two words"sv, R"(\)"sv, R"(")"sv, R"(\"\\""\)"sv, "{5}"sv,
                                      "ünïcödé"sv, "line\r\nbreak"sv, "(\\Seen)"sv, "*%"sv, "\x01\x7f"sv}) {
    SCOPED_TRACE(text);
    CommandWriter writer;
    const auto command = writer.select(text);
    ASSERT_TRUE(command);
    std::string wire;
    for (const std::string& part : command->parts) wire += part;
    Reader reader(std::string_view(wire).substr("A1 SELECT "sv.size()));
    EXPECT_EQ(parse_astring(reader), text);
    EXPECT_TRUE(parse_crlf(reader) && reader.at_end());
  }
}

TEST(Xoauth2Response, EncodesTheSaslResponseInBase64) {
  EXPECT_EQ(xoauth2_response("mira@x.org", "ya29.a0Af"), "dXNlcj1taXJhQHgub3JnAWF1dGg9QmVhcmVyIHlhMjkuYTBBZgEB\r\n");
  EXPECT_EQ(xoauth2_response("mira@x.org\x01"
                             "auth=Bearer forged",
                             "t"),
            std::unexpected("the user name contains a control character"));
  EXPECT_EQ(xoauth2_response("mira@x.org", "ya29\x01"),
            std::unexpected("the access token contains a control character"));
}

}  // namespace
}  // namespace mail::engine::imap
