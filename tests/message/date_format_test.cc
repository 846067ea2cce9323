#include "message/date_format.h"

#include <limits>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace mail::message {
namespace {

constexpr Minutes now = 29'713'805;  // Tuesday 2026-06-30 14:05 UTC

struct ListDateRow {
  std::string_view name;
  Minutes date;
  std::string shown;
};

class ListDate : public ::testing::TestWithParam<ListDateRow> {};

TEST_P(ListDate, IsRelativeToNow) { EXPECT_EQ(format_list_date(GetParam().date, now), GetParam().shown); }

INSTANTIATE_TEST_SUITE_P(
    Rows, ListDate,
    ::testing::Values(ListDateRow{"earlier_today", 29'713'470, "08:30"},
                      ListDateRow{"midnight_today", 29'712'960, "00:00"},
                      ListDateRow{"later_today", 29'714'399, "23:59"},
                      ListDateRow{"last_minute_of_yesterday", 29'712'959, "Yesterday"},
                      ListDateRow{"two_days_before", 29'710'560, "Sun"},
                      ListDateRow{"four_days_before", 29'707'920, "Fri"},
                      ListDateRow{"six_days_before", 29'704'320, "Wed"},
                      ListDateRow{"seven_days_before", 29'703'600, "Jun 23"},
                      ListDateRow{"tomorrow", 29'714'400, "Jul 1"},
                      ListDateRow{"years_before", 0, "Jan 1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListDate, CountsDaysBefore1970DownwardsToo) {
  const Minutes new_year_1970 = 0;
  EXPECT_EQ(format_list_date(-1, new_year_1970), "Yesterday");
  EXPECT_EQ(format_list_date(-3 * 1440, new_year_1970 + 1), "Mon");  // 1969-12-29
}

TEST(FullDate, SpellsOutTheUtcDateAndTime) {
  EXPECT_EQ(format_full_date(29'713'470), "Jun 30, 2026, 08:30");
  EXPECT_EQ(format_full_date(-1), "Dec 31, 1969, 23:59");
  EXPECT_EQ(format_full_date(15'863'040), "Feb 29, 2000, 00:00");   // a leap century
  EXPECT_EQ(format_full_date(-36'731'520), "Mar 1, 1900, 00:00");   // 1900 had no Feb 29
  EXPECT_EQ(format_full_date(-1'035'593'280), "Jan 1, 1, 00:00");   // proleptic Gregorian
}

TEST(FullDate, ReachesTheEndsOfTheRangeWithoutOverflow) {
  // A Date header can claim any year; the calendar arithmetic must hold all the way out.
  EXPECT_EQ(format_full_date(std::numeric_limits<Minutes>::max()), "Aug 30, 17536621479585, 18:07");
  EXPECT_EQ(format_full_date(std::numeric_limits<Minutes>::min()), "May 4, -17536621475646, 05:52");
}

}  // namespace
}  // namespace mail::message
