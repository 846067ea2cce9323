#include "message/parse_message.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "message/crlf.h"

namespace mail::message {
namespace {

using test::crlf;
using ::testing::ElementsAre;

MessageRecord parsed(std::string_view lf_text, const Delivery& delivery = {}) {
  auto record = parse_message(crlf(lf_text), delivery);
  EXPECT_TRUE(record.has_value()) << record.error();
  return record.value_or(MessageRecord{});
}

template <typename Row>
std::string row_name(const ::testing::TestParamInfo<Row>& info) {
  return std::string(info.param.name);
}

// --- Sender and subject -----------------------------------------------------------------

struct HeaderRow {
  std::string_view name;
  std::string_view headers;
  Contact from;
  std::string subject;
};

class Headers : public ::testing::TestWithParam<HeaderRow> {};

TEST_P(Headers, GiveSenderAndSubject) {
  const HeaderRow& row = GetParam();
  const MessageRecord record = parsed(std::string(row.headers) + "\nHello\n");
  EXPECT_EQ(record.from, row.from);
  EXPECT_EQ(record.subject, row.subject);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Headers,
    ::testing::Values(
        HeaderRow{"missing_from_and_subject", "To: you@example.org\n", {"unknown@unknown"}, "(no subject)"},
        HeaderRow{"empty_subject_is_kept", "From: a@example.org\nSubject:\n", {"a@example.org"}, ""},
        HeaderRow{"blank_subject_is_kept", "From: a@example.org\nSubject:  \n", {"a@example.org"}, ""},
        HeaderRow{"group_without_members", "From: undisclosed-recipients:;\nSubject: x\n", {"unknown@unknown"}, "x"},
        HeaderRow{"first_of_several_senders", "From: a@example.org, b@example.org\nSubject: x\n",
                  {"a@example.org"}, "x"},
        HeaderRow{"quoted_empty_name", "From: \"\" <a@example.org>\nSubject: x\n", {"a@example.org"}, "x"},
        HeaderRow{"rfc2047_name_and_subject",
                  "From: =?utf-8?B?TWlyYSBRdcOrbGw=?= <mira@example.org>\n"
                  "Subject: =?iso-8859-1?q?Caf=E9_at_ten?=\n",
                  {"mira@example.org", "Mira Quëll"}, "Café at ten"},
        HeaderRow{"folded_subject", "From: a@example.org\nSubject: Launch plan\n for the shell\n",
                  {"a@example.org"}, "Launch plan for the shell"}),
    row_name<HeaderRow>);

TEST(ParseMessage, KeepsRecipientsInHeaderOrderWithGroupsOpened) {
  const MessageRecord record = parsed(
      "From: a@example.org\n"
      "To: Jonas Feld <jonas@example.org>, team: rhea@example.org, \"Tova B.\" <tova@example.org>;\n"
      "\nHi\n");
  EXPECT_THAT(record.to, ElementsAre(Contact{"jonas@example.org", "Jonas Feld"}, Contact{"rhea@example.org"},
                                     Contact{"tova@example.org", "Tova B."}));
  EXPECT_TRUE(record.cc.empty());
}

// --- Bodies -----------------------------------------------------------------------------

struct BodyRow {
  std::string_view name;
  std::string_view message;
  std::string body;
  std::optional<std::string> html_body;
};

class Bodies : public ::testing::TestWithParam<BodyRow> {};

TEST_P(Bodies, GiveTextAndHtml) {
  const BodyRow& row = GetParam();
  const MessageRecord record = parsed(row.message);
  EXPECT_EQ(record.body, row.body);
  EXPECT_EQ(record.html_body, row.html_body);
}

constexpr std::string_view alternative = R"(From: a@example.org
Content-Type: multipart/alternative; boundary="alt"

--alt
Content-Type: text/plain; charset=utf-8

Plain version
--alt
Content-Type: text/html; charset=utf-8

<p>Rich <b>version</b></p>
--alt--
)";

constexpr std::string_view html_only = R"(From: a@example.org
Content-Type: text/html; charset=utf-8

<html><head><style>p { color: red }</style></head><body>
<h1>Weekly &amp; more</h1><ul><li>one</li><li>two</li></ul><script>track()</script>
</body></html>
)";

// mixed( alternative( plain, related( html, image ) ), pdf ): the text and HTML bodies sit
// two and three levels down.
constexpr std::string_view nested = R"(From: a@example.org
Content-Type: multipart/mixed; boundary=outer

--outer
Content-Type: multipart/alternative; boundary=inner

--inner
Content-Type: text/plain; charset=utf-8

Nested plain
--inner
Content-Type: multipart/related; boundary=deepest

--deepest
Content-Type: text/html; charset=utf-8

<p>Nested html</p>
--deepest
Content-Type: image/png; name=logo.png
Content-Disposition: inline
Content-Transfer-Encoding: base64

iVBORw0KGgo=
--deepest--
--inner--
--outer
Content-Type: application/pdf
Content-Disposition: attachment; filename=report.pdf

%PDF-1.4
--outer--
)";

constexpr std::string_view html_alternative_only = R"(From: a@example.org
Content-Type: multipart/alternative; boundary=alt

--alt
Content-Type: text/html; charset=utf-8

<div>Only</div><div>HTML</div>
--alt--
)";

constexpr std::string_view attachment_only = R"(From: a@example.org
Content-Type: application/pdf
Content-Disposition: attachment; filename=a.pdf

%PDF-1.4
)";

INSTANTIATE_TEST_SUITE_P(
    Rows, Bodies,
    ::testing::Values(
        BodyRow{"plain_only", "From: a@example.org\n\nJust text\n", "Just text\n", std::nullopt},
        BodyRow{"alternative_prefers_plain_text", alternative, "Plain version", "<p>Rich <b>version</b></p>"},
        BodyRow{"html_only_is_rendered_as_text", html_only, "Weekly & more\n\n\u2022 one\n\u2022 two",
                std::string(html_only.substr(html_only.find("<html>")))},
        BodyRow{"html_only_alternative", html_alternative_only, "Only\nHTML", "<div>Only</div><div>HTML</div>"},
        BodyRow{"nested_multiparts", nested, "Nested plain", "<p>Nested html</p>"},
        BodyRow{"no_body_part", attachment_only, "", std::nullopt},
        BodyRow{"latin1_quoted_printable",
                "From: a@example.org\nContent-Type: text/plain; charset=iso-8859-1\n"
                "Content-Transfer-Encoding: quoted-printable\n\nCaf=E9 =3D coffee",
                "Café = coffee", std::nullopt},
        BodyRow{"unknown_charset_is_guessed",
                "From: a@example.org\nContent-Type: text/plain; charset=x-no-such-charset\n\ncaf\xe9", "café",
                std::nullopt},
        BodyRow{"broken_utf8_keeps_the_good_text",
                "From: a@example.org\nContent-Type: text/plain; charset=utf-8\n\nna\xefve \xe2\x9c\x93",
                "na\ufffdve \u2713", std::nullopt}),
    row_name<BodyRow>);

// --- Attachments ------------------------------------------------------------------------

std::vector<std::byte> bytes_of(std::string_view text) {
  std::vector<std::byte> bytes(text.size());
  std::ranges::transform(text, bytes.begin(), [](char c) { return static_cast<std::byte>(c); });
  return bytes;
}

TEST(ParseMessage, ReadsAttachmentsInMessageOrderTypedByName) {
  const MessageRecord record = parsed(R"(From: a@example.org
Content-Type: multipart/mixed; boundary=b

--b
Content-Type: text/plain

See attached.
--b
Content-Type: application/octet-stream
Content-Disposition: attachment; filename*=utf-8''rapport%20%C3%A9t%C3%A9.PDF
Content-Transfer-Encoding: base64

JVBERi0xLjQ=
--b
Content-Type: image/png
Content-Disposition: attachment
Content-Transfer-Encoding: base64

iVBORw==
--b
Content-Type: text/plain; name="=?utf-8?q?notes_=E2=9C=93.txt?="
Content-Disposition: attachment

--b--
)");
  EXPECT_EQ(record.body, "See attached.");
  ASSERT_EQ(record.attachments.size(), 3U);
  const AttachmentRecord& named = record.attachments[0];
  EXPECT_EQ(named.filename, "rapport été.PDF");
  EXPECT_EQ(named.mime_type, "application/pdf");
  EXPECT_EQ(named.content, bytes_of("%PDF-1.4"));
  EXPECT_EQ(named.size, 8U);
  EXPECT_TRUE(named.downloaded);
  EXPECT_FALSE(named.content_ref.has_value());

  const AttachmentRecord& nameless = record.attachments[1];
  EXPECT_EQ(nameless.filename, "attachment.bin");
  EXPECT_EQ(nameless.mime_type, "application/octet-stream");
  EXPECT_EQ(nameless.content, bytes_of("\x89PNG"));

  const AttachmentRecord& empty = record.attachments[2];
  EXPECT_EQ(empty.filename, "notes ✓.txt");
  EXPECT_EQ(empty.size, 0U);
  EXPECT_FALSE(empty.downloaded);
}

TEST(ParseMessage, KeepsAForwardedMessageWholeAsAnAttachment) {
  const MessageRecord record = parsed(R"(From: a@example.org
Content-Type: multipart/mixed; boundary=b

--b
Content-Type: text/plain

Forwarding this.
--b
Content-Type: message/rfc822; name=original.eml

From: someone@example.org
Subject: Original

Original text
--b--
)");
  EXPECT_EQ(record.body, "Forwarding this.");
  ASSERT_EQ(record.attachments.size(), 1U);
  EXPECT_EQ(record.attachments[0].filename, "original.eml");
  const std::vector<std::byte>& content = record.attachments[0].content;
  const std::string text(reinterpret_cast<const char*>(content.data()), content.size());
  EXPECT_THAT(text, ::testing::HasSubstr("Subject: Original"));
  EXPECT_THAT(text, ::testing::HasSubstr("Original text"));
}

// --- Identity, threading and delivery ---------------------------------------------------

TEST(ParseMessage, DerivesOneIdFromAMessageIdWithOrWithoutBrackets) {
  const MessageRecord inbox = parsed("Message-ID: <sample-launch-plan-root@example.org>\n\nx",
                                     {.folder = FolderKind::Inbox, .read = true, .starred = false, .date = 5});
  const MessageRecord archive = parsed("Message-ID: sample-launch-plan-root@example.org\n\nx",
                                       {.folder = FolderKind::Archive, .read = false, .starred = true, .date = -7});
  EXPECT_EQ(inbox.id.to_string(), "8f8e4570-fd45-aa48-30ae-f25186ab21cb");
  EXPECT_EQ(archive.id, inbox.id);
  EXPECT_EQ(inbox.message_id, "sample-launch-plan-root@example.org");

  EXPECT_EQ(archive.folder, FolderKind::Archive);
  EXPECT_FALSE(archive.read);
  EXPECT_TRUE(archive.starred);
  EXPECT_EQ(archive.date, -7);
  EXPECT_TRUE(archive.labels.empty());
}

TEST(ParseMessage, GivesEachMessageWithoutAUsableMessageIdItsOwnRandomId) {
  for (std::string_view headers : {"Subject: none\n", "Message-ID:\n", "Message-ID: <>\n"}) {
    SCOPED_TRACE(headers);
    const std::string text = std::string(headers) + "\nbody";
    const MessageRecord first = parsed(text);
    const MessageRecord second = parsed(text);
    EXPECT_FALSE(first.message_id.has_value());
    EXPECT_NE(first.id, second.id);
    EXPECT_EQ(first.id.to_string()[14], '4');  // a version-4 UUID
  }
}

struct ThreadRow {
  std::string_view name;
  std::string_view headers;
  std::optional<std::string> thread_ref;
};

class Threading : public ::testing::TestWithParam<ThreadRow> {};

TEST_P(Threading, TakesTheRootReference) {
  const ThreadRow& row = GetParam();
  EXPECT_EQ(parsed(std::string(row.headers) + "\nbody").thread_ref, row.thread_ref);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Threading,
    ::testing::Values(
        ThreadRow{"references_win", "References: <root@x> <parent@x>\nIn-Reply-To: <parent@x>\n", "root@x"},
        ThreadRow{"folded_references", "References: <root@x>\n <parent@x>\n", "root@x"},
        ThreadRow{"in_reply_to_alone", "In-Reply-To: <parent@x>\n", "parent@x"},
        ThreadRow{"last_of_several_in_reply_to", "In-Reply-To: <first@x> <last@x>\n", "last@x"},
        ThreadRow{"neither", "Subject: new thread\n", std::nullopt}),
    row_name<ThreadRow>);

// --- Input that is not a well-formed message --------------------------------------------

TEST(ParseMessage, RefusesBytesThatAreNoMessage) {
  for (std::string_view raw : {std::string_view(""), std::string_view("\x01\x02\xff\xfe binary", 11)}) {
    const auto record = parse_message(raw, {});
    ASSERT_FALSE(record.has_value());
    EXPECT_EQ(record.error(), "not a MIME message");
  }
}

TEST(ParseMessage, ReadsWhatThereIsOfATruncatedMultipart) {
  const MessageRecord record = parsed(R"(From: a@example.org
Subject: cut short
Content-Type: multipart/mixed; boundary=b

--b
Content-Type: text/plain

First part
--b
Content-Type: application/pdf
Content-Disposition: attachment; filename=half.pdf
Content-Transfer-Encoding: base64

JVBERi0xLjQKJcfs)");
  EXPECT_EQ(record.subject, "cut short");
  EXPECT_EQ(record.body, "First part");
  ASSERT_EQ(record.attachments.size(), 1U);
  EXPECT_EQ(record.attachments[0].filename, "half.pdf");
  EXPECT_EQ(record.attachments[0].content, bytes_of("%PDF-1.4\n%\xc7\xec"));
}

TEST(ParseMessage, StopsAtNestingTooDeepToBeMail) {
  std::string raw = "From: a@example.org\r\n";
  for (int level = 0; level < 5000; ++level) {
    raw += "Content-Type: multipart/mixed; boundary=b" + std::to_string(level) + "\r\n\r\n--b" +
           std::to_string(level) + "\r\n";
  }
  raw += "Content-Type: text/plain\r\n\r\ndeep\r\n";
  const auto record = parse_message(raw, {});
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(record->from.address, "a@example.org");
}

TEST(ParseMessage, DecodesAThirtyMegabyteAttachment) {
  std::string raw = crlf(R"(From: a@example.org
Content-Type: multipart/mixed; boundary=b

--b
Content-Type: text/plain

Big one.
--b
Content-Type: application/zip
Content-Disposition: attachment; filename=big.zip
Content-Transfer-Encoding: base64

)");
  // "ABCD" decodes to the bytes 00 10 83, so every byte of the content can be checked.
  std::string line;
  for (int quad = 0; quad < 19; ++quad) line += "ABCD";
  line += "\r\n";
  constexpr std::size_t lines = 30 * 1024 * 1024 / 57 + 1;
  for (std::size_t index = 0; index < lines; ++index) raw += line;
  raw += "--b--\r\n";
  std::vector<std::byte> expected;
  for (std::size_t index = 0; index < lines * 19; ++index) {
    expected.insert(expected.end(), {std::byte{0x00}, std::byte{0x10}, std::byte{0x83}});
  }

  const MessageRecord record = parse_message(raw, {}).value();
  EXPECT_EQ(record.body, "Big one.");
  ASSERT_EQ(record.attachments.size(), 1U);
  const AttachmentRecord& big = record.attachments[0];
  EXPECT_EQ(big.mime_type, "application/zip");
  EXPECT_EQ(big.size, expected.size());
  EXPECT_TRUE(big.content == expected);  // not EXPECT_EQ: a failure would print 30 MB
}

}  // namespace
}  // namespace mail::message
