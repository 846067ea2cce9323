#include "doc/current_draft.h"

#include <gtest/gtest.h>

#include <string>

#include "draft_fixtures.h"

namespace mail::doc {
namespace {

using message::DraftData;
using orvo::storage::Document;
using orvo::storage::DocumentMap;

const DraftData full{.to = "ada@example.com",
                     .cc = "bob@example.com",
                     .bcc = "carol@example.com",
                     .subject = "Planning",
                     .body = "See you",
                     .html_body = "<p>See you</p>",
                     .calendar_ics = invitation,
                     .attachments = {attachment(1), attachment(2)}};

TEST(CurrentDraft, ReadsBackWhatWasSaved) {
  Document document;
  save_draft(document, full);
  EXPECT_EQ(read_draft(document), full);
  EXPECT_EQ(*document.get<std::string>({"draft", "attachments"}),
            R"([{"content_id":"mail-attachment:blake3:)" + std::string(63, 'a') +
                R"(1","filename":"file-1.pdf","mime":"application/pdf","size":1000},)"
                R"({"content_id":"mail-attachment:blake3:)" +
                std::string(63, 'a') + R"(2","filename":"file-2.pdf","mime":"application/pdf","size":1000}])");
}

TEST(CurrentDraft, SavesAttachmentsNormalised) {
  Document document;
  DraftData draft = full;
  draft.attachments = {attachment(1), attachment(1), {.filename = "no content"}, attachment(2)};
  save_draft(document, draft);
  EXPECT_EQ(read_draft(document).attachments, (std::vector{attachment(1), attachment(2)}));
}

TEST(CurrentDraft, ASaveWithoutOptionalTextsRemovesTheEarlierOnes) {
  Document document;
  save_draft(document, full);
  save_draft(document, DraftData{.subject = "Plain now"});
  EXPECT_EQ(read_draft(document), DraftData{.subject = "Plain now"});
}

TEST(CurrentDraft, DiscardingLeavesAnEmptyDraftMap) {
  Document document;
  save_draft(document, full);
  document.put({"draft", "extra"}, true);
  discard_draft(document);
  EXPECT_EQ(read_draft(document), DraftData{});
  EXPECT_NE(document.get<DocumentMap>({"draft"}), nullptr);
  EXPECT_EQ(document.entries({"draft"}).size(), 1) << "only the draft's own fields go";
}

TEST(CurrentDraft, ReadsWhatOtherHandsWroteSafely) {
  const struct {
    const char* name;
    const char* field;
    orvo::storage::DocumentValue stored;
    DraftData read;
  } cases[] = {
      {"a text of another kind", "subject", true, {}},
      {"an invitation that is no request", "calendar_ics", std::string("BEGIN:VCALENDAR\r\nMETHOD:PUBLISH\r\n"), {}},
      {"attachments that are not JSON", "attachments", std::string("[{"), {}},
      {"attachments with a key given twice", "attachments",
       std::string(R"([{"content_id":"mail-attachment:blake3:)" + std::string(64, 'a') +
                   R"(","filename":"a.pdf","filename":"b.pdf","mime":"application/pdf","size":1}])"),
       {}},
      {"attachments over the limit", "attachments",
       [] {
         std::string list = "[";
         for (int n = 1; n <= 17; ++n) {
           const auto a = attachment(n);
           list += (n > 1 ? "," : "") + std::string(R"({"content_id":")") + a.content_id + R"(","filename":")" +
                   a.filename + R"(","mime":"application/pdf","size":1000})";
         }
         return list + "]";
       }(),
       {.attachments = [] {
          std::vector<message::DraftAttachment> list;
          for (int n = 1; n <= 16; ++n) list.push_back(attachment(n));
          return list;
        }()}},
  };
  for (const auto& [name, field, stored, read] : cases) {
    Document document;
    document.put({"draft", field}, stored);
    EXPECT_EQ(read_draft(document), read) << name;
  }
}

}  // namespace
}  // namespace mail::doc
