#include "engine/smtp/message_builder.h"

#include <gmime/gmime.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "attachment_store_test.h"
#include "engine/smtp/glib_ptr.h"
#include "platform/crypto/blake3.h"

namespace mail::engine::smtp {
namespace {

using message::Contact;
using message::DraftData;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;
using ::testing::UnorderedElementsAre;

const std::string pdf_bytes = std::string("%PDF-1.4\n\0\xff\xfe binary\r\n%%EOF", 26);
const Contact sender{"mira@example.org", "Mira Quell"};

// --- Reading the bytes back, as a receiving client would ------------------------------

GObjectPtr<GMimeMessage> parsed(const std::string& wire) {
  g_mime_init();
  const GObjectPtr<GMimeStream> stream(g_mime_stream_mem_new_with_buffer(wire.data(), wire.size()));
  const GObjectPtr<GMimeParser> parser(g_mime_parser_new_with_stream(stream.get()));
  return GObjectPtr<GMimeMessage>(g_mime_parser_construct_message(parser.get(), nullptr));
}

std::string mime_type_of(GMimeObject* object) {
  const GCharPtr type(g_mime_content_type_get_mime_type(g_mime_object_get_content_type(object)));
  return type.get();
}

// "multipart/mixed(text/plain,application/pdf)": the tree of types in one line.
std::string structure_of(GMimeObject* object) {
  std::string structure = mime_type_of(object);
  if (!GMIME_IS_MULTIPART(object)) return structure;
  GMimeMultipart* multipart = GMIME_MULTIPART(object);
  for (int i = 0; i < g_mime_multipart_get_count(multipart); ++i) {
    structure += (i == 0 ? "(" : ",") + structure_of(g_mime_multipart_get_part(multipart, i));
  }
  return structure + ")";
}

GMimeObject* part_at(GMimeMessage* message, std::initializer_list<int> path) {
  GMimeObject* part = g_mime_message_get_mime_part(message);
  for (int index : path) part = g_mime_multipart_get_part(GMIME_MULTIPART(part), index);
  return part;
}

std::string decoded_content(GMimeObject* part) {
  const GObjectPtr<GMimeStream> decoded(g_mime_stream_mem_new());
  g_mime_data_wrapper_write_to_stream(g_mime_part_get_content(GMIME_PART(part)), decoded.get());
  const GByteArray* bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(decoded.get()));
  return {reinterpret_cast<const char*>(bytes->data), bytes->len};
}

std::string name_of_first(GMimeMessage* message, GMimeAddressType field) {
  return internet_address_get_name(internet_address_list_get_address(g_mime_message_get_addresses(message, field), 0));
}

std::vector<std::string> lines_of(std::string_view wire) {
  std::vector<std::string> lines;
  for (std::size_t end = wire.find("\r\n"); end != std::string_view::npos; end = wire.find("\r\n")) {
    lines.emplace_back(wire.substr(0, end));
    wire.remove_prefix(end + 2);
  }
  return lines;
}

// The names of the message's own headers, not of its parts'.
std::vector<std::string> header_names(const std::string& wire) {
  std::vector<std::string> names;
  for (const std::string& line : lines_of(wire)) {
    if (line.empty()) break;
    if (line.front() != ' ' && line.front() != '\t') names.push_back(line.substr(0, line.find(':')));
  }
  return names;
}

bool starts_a_bcc_header(std::string line) {
  std::ranges::transform(line, line.begin(), [](unsigned char c) { return std::tolower(c); });
  return line.starts_with("bcc:");
}

// --- The tests ---------------------------------------------------------------------------

class BuildMessage : public test::AttachmentStoreTest {
 protected:
  std::string built(const DraftData& draft, const Contact& from = sender) {
    auto wire = build_message(from, draft, store_);
    EXPECT_TRUE(wire) << wire.error();
    return wire.value_or("");
  }
};

TEST_F(BuildMessage, ShapesTheMessageAfterWhatTheDraftCarries) {
  const auto pdf = stage(pdf_bytes, "report.pdf");
  const struct {
    const char* name;
    DraftData draft;
    const char* structure;
  } cases[] = {
      {"plain text", {.body = "Hello"}, "text/plain"},
      {"HTML alternative",
       {.body = "Hello", .html_body = "<p>Hello</p>"},
       "multipart/alternative(text/plain,text/html)"},
      {"invitation only",
       {.body = "Hello", .calendar_ics = "BEGIN:VCALENDAR"},
       "multipart/mixed(text/plain,text/calendar)"},
      {"HTML, a PDF and an invitation",
       {.body = "Hello", .html_body = "<p>Hello</p>", .calendar_ics = "BEGIN:VCALENDAR", .attachments = {pdf}},
       "multipart/mixed(multipart/alternative(text/plain,text/html),application/pdf,text/calendar)"},
  };
  for (const auto& [name, draft, structure] : cases) {
    SCOPED_TRACE(name);
    const auto message = parsed(built(draft));
    EXPECT_EQ(structure_of(g_mime_message_get_mime_part(message.get())), structure);
  }
}

TEST_F(BuildMessage, AttachesTheFilesInOrderWithTheirTypeNameAndExactBytes) {
  const std::string notes = "first line\nsecond line\n";
  const DraftData draft{
      .body = "See attached.",
      .attachments = {stage(pdf_bytes, "Bericht für März.pdf"), stage(notes, "notes.txt", "text/plain")}};
  const auto message = parsed(built(draft));

  const struct {
    int index;
    const char* mime;
    const char* filename;
    std::string content;
  } expected[] = {{1, "application/pdf", "Bericht für März.pdf", pdf_bytes}, {2, "text/plain", "notes.txt", notes}};
  for (const auto& [index, mime, filename, content] : expected) {
    SCOPED_TRACE(filename);
    GMimeObject* part = part_at(message.get(), {index});
    EXPECT_EQ(mime_type_of(part), mime);
    EXPECT_STREQ(g_mime_part_get_filename(GMIME_PART(part)), filename);
    EXPECT_EQ(g_mime_part_get_content_encoding(GMIME_PART(part)), GMIME_CONTENT_ENCODING_BASE64);
    EXPECT_EQ(decoded_content(part), content);
  }
}

TEST_F(BuildMessage, MarksTheInvitationAsACalendarRequest) {
  const auto message = parsed(built({.body = "Join us", .calendar_ics = "BEGIN:VCALENDAR\nEND:VCALENDAR\n"}));

  GMimeObject* invitation = part_at(message.get(), {1});
  EXPECT_EQ(mime_type_of(invitation), "text/calendar");
  EXPECT_STREQ(g_mime_object_get_content_type_parameter(invitation, "method"), "REQUEST");
  EXPECT_STREQ(g_mime_part_get_filename(GMIME_PART(invitation)), "invitation.ics");
  EXPECT_EQ(decoded_content(invitation), "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
}

TEST_F(BuildMessage, LeavesTheBccRecipientsOutOfTheMessage) {
  const std::string wire = built({.to = "a@x.org", .bcc = "Hidden <hidden@x.org>; secret@x.org", .body = "Hello"});

  EXPECT_THAT(lines_of(wire), Not(Contains(::testing::Truly(starts_a_bcc_header))));
  EXPECT_THAT(wire, Not(HasSubstr("hidden@x.org")));
  EXPECT_THAT(wire, Not(HasSubstr("secret@x.org")));
}

TEST_F(BuildMessage, KeepsLineBreaksInHeaderValuesFromStartingHeaders) {
  const struct {
    const char* name;
    DraftData draft;
  } cases[] = {
      {"in a piece that is no address", {.to = "Bob\r\nBcc: evil@x.org"}},
      {"in a display name", {.cc = "Ann\nBcc: evil@x.org <a@x.org>"}},
      {"in the subject", {.to = "a@x.org", .subject = "Hello\r\nBcc: evil@x.org"}},
  };
  for (const auto& [name, draft] : cases) {
    SCOPED_TRACE(name);
    const std::string wire = built(draft);
    EXPECT_THAT(lines_of(wire), Not(Contains(::testing::Truly(starts_a_bcc_header))));
    EXPECT_THAT(g_mime_message_get_subject(parsed(wire).get()), Not(HasSubstr("\n")));
  }
}

TEST_F(BuildMessage, WritesOnlySevenBitAsciiInCrlfLines) {
  const std::string long_line(2000, 'x');
  const DraftData draft{.to = "Zoë <zoe@x.org>",
                        .subject = "Grüße",
                        .body = "unix\nwindows\r\nold mac\rGrüße\n" + long_line,
                        .html_body = "<p>Grüße</p>\n<p>" + long_line + "</p>",
                        .calendar_ics = "BEGIN:VCALENDAR\nSUMMARY:Café\nEND:VCALENDAR",
                        .attachments = {stage(pdf_bytes, "Bericht für März.pdf")}};
  const std::string wire = built(draft);

  const std::vector<std::string> lines = lines_of(wire);
  EXPECT_TRUE(std::ranges::all_of(wire, [](unsigned char c) { return c < 0x80; }));
  EXPECT_EQ(std::ranges::count(wire, '\r'), lines.size()) << "a CR outside CRLF";
  EXPECT_EQ(std::ranges::count(wire, '\n'), lines.size()) << "an LF outside CRLF";
  EXPECT_TRUE(std::ranges::all_of(lines, [](const std::string& line) { return line.size() <= 998; }));
  EXPECT_EQ(decoded_content(part_at(parsed(wire).get(), {0, 0})),
            "unix\r\nwindows\r\nold mac\r\nGrüße\r\n" + long_line);
}

TEST_F(BuildMessage, EncodesNonAsciiNamesAndSubjectSoTheyDecodeBack) {
  const Contact from{"jorg@example.org", "Jörg Müller-Ångström"};
  const std::string wire = built({.to = "Zoë Ærø <zoe@x.org>", .subject = "Grüße — 日本語の件名"}, from);
  const auto message = parsed(wire);

  EXPECT_THAT(lines_of(wire), Contains(StartsWith("Subject: =?")));
  EXPECT_THAT(lines_of(wire), Contains(StartsWith("From: =?")));
  EXPECT_STREQ(g_mime_message_get_subject(message.get()), "Grüße — 日本語の件名");
  EXPECT_EQ(name_of_first(message.get(), GMIME_ADDRESS_TYPE_FROM), "Jörg Müller-Ångström");
  EXPECT_EQ(name_of_first(message.get(), GMIME_ADDRESS_TYPE_TO), "Zoë Ærø");
}

TEST_F(BuildMessage, NamesTheSenderOnlyWhenTheAccountHasADisplayName) {
  const struct {
    const char* display_name;
    const char* from;
  } cases[] = {
      {"Mira Quell", "From: Mira Quell <mira@example.org>"},
      {"  ", "From: mira@example.org"},
      {"", "From: mira@example.org"},
  };
  for (const auto& [display_name, from] : cases) {
    SCOPED_TRACE(display_name);
    const Contact account_sender = sender_of({.display_name = display_name, .email = " mira@example.org\t"});
    EXPECT_THAT(lines_of(built({.to = "a@x.org"}, account_sender)), Contains(from));
  }
}

TEST_F(BuildMessage, WritesToAndCcOnlyWhenTheyNameSomeone) {
  const struct {
    const char* name;
    DraftData draft;
    std::vector<std::string> headers;
  } cases[] = {
      {"both", {.to = "Ann <a@x.org>; b@x.org", .cc = "c@x.org"}, {"To: Ann <a@x.org>, b@x.org", "Cc: c@x.org"}},
      {"only a Cc", {.to = " ,", .cc = "c@x.org"}, {"Cc: c@x.org"}},
      {"neither", {.to = " ;", .cc = ""}, {}},
  };
  for (const auto& [name, draft, headers] : cases) {
    SCOPED_TRACE(name);
    std::vector<std::string> found;
    std::ranges::copy_if(lines_of(built(draft)), std::back_inserter(found),
                         [](const std::string& line) { return line.starts_with("To:") || line.starts_with("Cc:"); });
    EXPECT_EQ(found, headers);
  }
}

TEST_F(BuildMessage, SetsDateMessageIdAndMimeVersionAndNothingElse) {
  const std::string wire = built({.to = "a@x.org", .subject = "Hello", .body = "Hello"});
  const auto message = parsed(wire);

  EXPECT_THAT(header_names(wire),
              UnorderedElementsAre("Date", "From", "Subject", "To", "Message-Id", "MIME-Version", "Content-Type"));
  EXPECT_NEAR(g_date_time_to_unix(g_mime_message_get_date(message.get())), std::time(nullptr), 60);
  EXPECT_STREQ(g_mime_object_get_header(GMIME_OBJECT(message.get()), "MIME-Version"), "1.0");
  EXPECT_STRNE(g_mime_message_get_message_id(message.get()),
               g_mime_message_get_message_id(parsed(built({.to = "a@x.org"})).get()));
}

TEST_F(BuildMessage, TakesTheMessageIdDomainFromTheSender) {
  const struct {
    const char* address;
    const char* domain;
  } cases[] = {
      {"mira@example.org", "@example.org"},
      {"zoe@bücher.example", "@xn--bcher-kva.example"},
      {"not an address", "@localhost"},
  };
  for (const auto& [address, domain] : cases) {
    SCOPED_TRACE(address);
    const auto message = parsed(built({.to = "a@x.org"}, {address}));
    EXPECT_THAT(g_mime_message_get_message_id(message.get()), EndsWith(domain));
  }
}

TEST_F(BuildMessage, FailsWithTheErrorOfTheFirstAttachmentThatCannotBeLoaded) {
  const DraftData draft{
      .to = "a@x.org",
      .attachments = {stage(pdf_bytes, "report.pdf"),
                      {.content_id = "mail-attachment:blake3:" + orvo::crypto::blake3_hex("never stored"),
                       .filename = "missing.pdf",
                       .mime = "application/pdf",
                       .size = 12},
                      {.filename = "malformed.pdf"}}};
  EXPECT_EQ(build_message(sender, draft, store_),
            std::unexpected("attachment missing.pdf is not available on this device yet"));
}

}  // namespace
}  // namespace mail::engine::smtp
