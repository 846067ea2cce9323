#include "doc/draft_json.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/json/strict_json.h"
#include "draft_fixtures.h"

namespace mail::doc {
namespace {

using message::DraftAttachment;
using message::DraftData;

std::expected<DraftData, std::string> read(std::string_view text) {
  auto json = orvo::json::parse_strict(text);
  if (!json) return std::unexpected(json.error());
  return draft_from_json(*json);
}

const std::string key = std::string(64, 'a');

TEST(DraftJson, WritesTheExactForm) {
  const DraftData rich{.to = "ada@example.com",
                       .cc = "bob@example.com; Carol <carol@example.com>",
                       .bcc = "",
                       .subject = "Plan \"B\"",
                       .body = "Hi\n\tAda",
                       .html_body = "<p>Hi</p>",
                       .calendar_ics = "BEGIN:VCALENDAR\r\n",
                       .attachments = {{.content_id = "mail-attachment:blake3:" + key,
                                        .filename = "r\xc3\xa9sum\xc3\xa9.pdf",
                                        .mime = "application/pdf",
                                        .size = 18'446'744'073'709'551'615ULL}}};
  EXPECT_EQ(draft_to_json(rich).dump(),
            R"({"to":"ada@example.com","cc":"bob@example.com; Carol <carol@example.com>","bcc":"",)"
            R"("subject":"Plan \"B\"","body":"Hi\n\tAda","html_body":"<p>Hi</p>",)"
            R"("calendar_ics":"BEGIN:VCALENDAR\r\n","attachments":[{"content_id":"mail-attachment:blake3:)" +
                key + "\",\"filename\":\"r\xc3\xa9sum\xc3\xa9.pdf\",\"mime\":\"application/pdf\","
                      "\"size\":18446744073709551615}]}");
  EXPECT_EQ(read(draft_to_json(rich).dump()), rich);

  EXPECT_EQ(draft_to_json(DraftData{}).dump(),
            R"({"to":"","cc":"","bcc":"","subject":"","body":"","html_body":null,"calendar_ics":null,)"
            R"("attachments":[]})");
}

TEST(DraftJson, ReadsMissingDraftKeysAsEmpty) {
  EXPECT_EQ(read("{}"), DraftData{});
  EXPECT_EQ(read(R"({"subject":"s","html_body":null,"extra":1})"), DraftData{.subject = "s"});
}

TEST(DraftJson, RefusesWhatIsNotADraft) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {R"([])", "a draft must be an object"},
      {R"({"to":1})", "\"to\" must be a string"},
      {R"({"html_body":false})", "\"html_body\" must be a string or null"},
      {R"({"attachments":"[]"})", "\"attachments\" must be an array"},
      {R"({"attachments":[1]})", "an attachment must be an object"},
      {R"({"attachments":[{"content_id":"c","filename":"f","mime":"m"}]})", "\"size\" is missing"},
      {R"({"attachments":[{"content_id":"c","filename":"f","mime":"m","size":-1}]})",
       "\"size\" must be a whole number"},
      {R"({"attachments":[{"content_id":"c","filename":"f","mime":"m","size":1.5}]})",
       "\"size\" must be a whole number"},
      {R"({"subject":"a","subject":"b"})", "duplicate key \"subject\" in a JSON object"},
      {R"({"attachments":[{"content_id":"c","filename":"f","filename":"g","mime":"m","size":1}]})",
       "duplicate key \"filename\" in a JSON object"},
  };
  for (const auto& [text, error] : cases) EXPECT_EQ(read(text), std::unexpected(error)) << text;
}

TEST(DraftJson, ReadsAttachmentsOnTheirOwn) {
  const std::vector<DraftAttachment> list{attachment(1), attachment(2, 0)};
  EXPECT_EQ(attachments_from_json(orvo::json::parse_strict(attachments_to_json(list).dump()).value()), list);
  EXPECT_EQ(attachments_to_json({}).dump(), "[]");
}

}  // namespace
}  // namespace mail::doc
