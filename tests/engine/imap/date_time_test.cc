#include "engine/imap/date_time.h"

#include <gtest/gtest.h>

namespace mail::engine::imap {
namespace {

std::expected<std::int64_t, std::string> parse_quoted_date_time(std::string_view text) {
  const std::string quoted = "\"" + std::string(text) + "\"";
  Reader reader(quoted);
  return parse_date_time(reader);
}

TEST(ParseDateTime, ReadsSecondsSinceTheEpochInUtc) {
  const struct {
    const char* text;
    std::int64_t seconds;
  } rows[] = {
      {"17-Jul-1996 02:44:25 -0700", 837596665},  {" 1-Jan-2024 00:00:00 +0000", 1704067200},
      {"1-jan-2024 00:00:00 +0000", 1704067200},  {"01-JAN-2024 00:30:00 +0100", 1704065400},
      {"29-Feb-2024 12:00:00 -0230", 1709217000}, {"31-Dec-1969 23:59:59 +0000", -1},
      {"30-Jun-2015 23:59:60 +0000", 1435708800},
  };
  for (const auto& [text, seconds] : rows) {
    SCOPED_TRACE(text);
    EXPECT_EQ(parse_quoted_date_time(text), seconds);
  }
}

TEST(ParseDateTime, RefusesWhatIsNoDateTime) {
  for (const char* text :
       {"30-Feb-2024 10:00:00 +0000", "29-Feb-2023 10:00:00 +0000", "01-Foo-2024 10:00:00 +0000",
        "01-Jan-24 10:00:00 +0000", "001-Jan-2024 10:00:00 +0000", "01-Jan-2024 24:00:00 +0000",
        "01-Jan-2024 10:60:00 +0000", "01-Jan-2024 10:00 +0000", "01-Jan-2024 10:00:00 0000",
        "01-Jan-2024 10:00:00 +0160", "01-Jan-2024 10:00:00 +0000 ", "01-Jan-2024T10:00:00 +0000", ""}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(parse_quoted_date_time(text),
              std::unexpected("expected a date-time like \"17-Jul-1996 02:44:25 -0700\" at byte 0"));
  }
}

}  // namespace
}  // namespace mail::engine::imap
