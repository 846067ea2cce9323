#include "message/message_date.h"

#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "message/crlf.h"

namespace mail::message {
namespace {

using test::crlf;

constexpr Minutes sync_started = 29'713'805;

struct DateRow {
  std::string_view name;
  std::optional<std::int64_t> internal_date_seconds;
  std::string_view message;
  Minutes expected;
};

class MessageDate : public ::testing::TestWithParam<DateRow> {};

TEST_P(MessageDate, PrefersServerThenHeaderThenFallback) {
  const DateRow& row = GetParam();
  EXPECT_EQ(message_date(row.internal_date_seconds, crlf(row.message), sync_started), row.expected);
}

constexpr std::string_view dated = "Date: Tue, 30 Jun 2026 10:30:59 +0200\nSubject: x\n\nbody\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, MessageDate,
    ::testing::Values(
        DateRow{"internal_date_wins", 1'782'801'059, dated, 29'713'350},
        DateRow{"internal_date_before_1970_rounds_down", -1, dated, -1},
        DateRow{"date_header_in_utc", std::nullopt, dated, 29'713'470},
        DateRow{"unreadable_date_header", std::nullopt, "Date: sometime soon\n\nbody\n", sync_started},
        DateRow{"no_date_header", std::nullopt, "Subject: x\n\nbody\n", sync_started},
        DateRow{"date_line_in_the_body_is_no_header", std::nullopt,
                "Subject: x\n\nDate: Tue, 30 Jun 2026 10:30:59 +0200\n", sync_started},
        DateRow{"not_a_message", std::nullopt, "", sync_started}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mail::message
