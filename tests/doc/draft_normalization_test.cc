#include "doc/draft_normalization.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "draft_fixtures.h"

namespace mail::doc {
namespace {

using message::DraftAttachment;
using message::DraftData;

DraftAttachment changed(DraftAttachment attachment, const std::function<void(DraftAttachment&)>& change) {
  change(attachment);
  return attachment;
}

std::vector<DraftAttachment> numbered(int count, std::uint64_t size = 1000) {
  std::vector<DraftAttachment> list;
  for (int n = 1; n <= count; ++n) list.push_back(attachment(n, size));
  return list;
}

TEST(NormalizeAttachments, KeepsValidDistinctEntriesWithinTheDraftLimits) {
  const std::uint64_t mib = 1 << 20;
  std::vector<DraftAttachment> at_total_limit = numbered(4, 32 * mib);
  at_total_limit.push_back(attachment(5, 1));
  at_total_limit.push_back(attachment(6, 0));
  const struct {
    const char* name;
    std::vector<DraftAttachment> list;
    std::vector<DraftAttachment> kept;
  } cases[] = {
      {"order kept", {attachment(2), attachment(1)}, {attachment(2), attachment(1)}},
      {"the first sixteen of seventeen", numbered(17), numbered(16)},
      {"the same content twice", {attachment(1), changed(attachment(1), [](auto& a) { a.filename = "b.pdf"; })},
       {attachment(1)}},
      {"128 MiB in all, then nothing more but what is empty", at_total_limit,
       {attachment(1, 32 * mib), attachment(2, 32 * mib), attachment(3, 32 * mib), attachment(4, 32 * mib),
        attachment(6, 0)}},
      {"one file over 32 MiB", {attachment(1, 32 * mib + 1), attachment(2)}, {attachment(2)}},
      {"an invalid entry leaves room for a later one",
       [] {
         auto list = numbered(17);
         list[0].filename = "";
         return list;
       }(),
       [] {
         auto list = numbered(17);
         list.erase(list.begin());
         return list;
       }()},
  };
  for (const auto& [name, list, kept] : cases) EXPECT_EQ(normalize_attachments(list), kept) << name;
}

TEST(NormalizeAttachments, DropsEntriesThatAreNotValid) {
  const struct {
    const char* name;
    std::function<void(DraftAttachment&)> change;
  } cases[] = {
      {"empty file name", [](auto& a) { a.filename = ""; }},
      {"181 characters", [](auto& a) { a.filename = std::string(181, 'x'); }},
      {"a slash", [](auto& a) { a.filename = "../x.pdf"; }},
      {"a backslash", [](auto& a) { a.filename = "..\\x.pdf"; }},
      {"a control character", [](auto& a) { a.filename = "x\n.pdf"; }},
      {"a type without a slash", [](auto& a) { a.mime = "pdf"; }},
      {"a type of 128 characters", [](auto& a) { a.mime = "application/" + std::string(116, 'x'); }},
      {"a type that breaks a header", [](auto& a) { a.mime = "text/plain\r\nBcc: x@example.com"; }},
      {"no content prefix", [](auto& a) { a.content_id = a.content_id.substr(23); }},
      {"a short key", [](auto& a) { a.content_id.pop_back(); }},
      {"a key that is not hexadecimal", [](auto& a) { a.content_id.back() = 'g'; }},
  };
  for (const auto& [name, change] : cases) {
    EXPECT_EQ(normalize_attachments({changed(attachment(1), change)}), std::vector<DraftAttachment>{}) << name;
  }
  const DraftAttachment longest_name = changed(attachment(1), [](auto& a) { a.filename = std::string(180, 'x'); });
  EXPECT_EQ(normalize_attachments({longest_name}), std::vector{longest_name});
}

TEST(NormalizeDraft, CleansEveryFieldByItsRule) {
  const std::string long_subject(1000, 's');
  const std::string long_body(300'000, 'b');
  const DraftData draft{.to = " ada@example.com\n",
                        .cc = "\tbob@example.com ",
                        .bcc = "c\x01@example.com",
                        .subject = "  Quarterly\tplan" + long_subject + "  ",
                        .body = "\n  Hello\n\tthere\f\n\n" + long_body,
                        .html_body = "<p>Hi</p>\x1b\n",
                        .calendar_ics = invitation,
                        .attachments = numbered(17)};
  const DraftData normalized = normalize_draft(draft);
  EXPECT_EQ(normalized.to, "ada@example.com");
  EXPECT_EQ(normalized.cc, "bob@example.com");
  EXPECT_EQ(normalized.bcc, "c@example.com");
  EXPECT_EQ(normalized.subject, ("Quarterlyplan" + long_subject).substr(0, 998));
  EXPECT_EQ(normalized.body, ("Hello\n\tthere\n\n" + long_body).substr(0, 262'144));
  EXPECT_EQ(normalized.html_body, "<p>Hi</p>");
  EXPECT_EQ(normalized.calendar_ics, invitation);
  EXPECT_EQ(normalized.attachments, numbered(16));
}

TEST(NormalizeDraft, DropsAnInvitationThatIsNotABoundedRequest) {
  const DraftData plain{.subject = "s"};
  EXPECT_EQ(normalize_draft({.subject = "s", .calendar_ics = "BEGIN:VCALENDAR\nEND:VCALENDAR\n"}), plain);
  EXPECT_EQ(normalize_draft(plain), plain);
}

}  // namespace
}  // namespace mail::doc
