#include "message/date_format.h"

#include <array>
#include <cstdint>
#include <string_view>

#include <fmt/format.h>

namespace mail::message {
namespace {

constexpr std::int64_t minutes_per_day = 1440;

constexpr std::array<std::string_view, 12> month_names{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
// Day 0, 1970-01-01, was a Thursday.
constexpr std::array<std::string_view, 7> weekday_names{"Thu", "Fri", "Sat", "Sun",
                                                        "Mon", "Tue", "Wed"};

// Floor division, so that a minute before 1970 belongs to the day before.
std::int64_t floor_div(std::int64_t value, std::int64_t divisor) {
  const std::int64_t quotient = value / divisor;
  return (value % divisor < 0) ? quotient - 1 : quotient;
}

std::int64_t floor_mod(std::int64_t value, std::int64_t divisor) {
  const std::int64_t remainder = value % divisor;
  return remainder < 0 ? remainder + divisor : remainder;
}

struct CivilDate {
  std::int64_t year;
  int month;  // 1-12
  int day;    // 1-31
};

// Days since 1970-01-01 to a proleptic Gregorian date, in 64-bit arithmetic throughout so
// that no stored minute, however absurd a header made it, can overflow (H. Hinnant's method).
CivilDate civil_from_days(std::int64_t days) {
  const std::int64_t shifted = days + 719'468;  // from 0000-03-01, leap days fall last
  const std::int64_t era = floor_div(shifted, 146'097);
  const std::int64_t day_of_era = shifted - era * 146'097;
  const std::int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36'524 - day_of_era / 146'096) / 365;
  const std::int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const std::int64_t shifted_month = (5 * day_of_year + 2) / 153;
  const int day = static_cast<int>(day_of_year - (153 * shifted_month + 2) / 5 + 1);
  const int month = static_cast<int>(shifted_month < 10 ? shifted_month + 3 : shifted_month - 9);
  return {.year = year_of_era + era * 400 + (month <= 2 ? 1 : 0), .month = month, .day = day};
}

std::string_view month_name(const CivilDate& date) { return month_names[date.month - 1]; }

std::string time_of_day(Minutes date) {
  const std::int64_t minute_of_day = floor_mod(date, minutes_per_day);
  return fmt::format("{:02}:{:02}", minute_of_day / 60, minute_of_day % 60);
}

}  // namespace

std::string format_list_date(Minutes date, Minutes now) {
  const std::int64_t day = floor_div(date, minutes_per_day);
  const std::int64_t days_before = floor_div(now, minutes_per_day) - day;
  if (days_before == 0) return time_of_day(date);
  if (days_before == 1) return "Yesterday";
  if (days_before >= 2 && days_before <= 6) return std::string(weekday_names[floor_mod(day, 7)]);
  const CivilDate civil = civil_from_days(day);
  return fmt::format("{} {}", month_name(civil), civil.day);
}

std::string format_full_date(Minutes date) {
  const CivilDate civil = civil_from_days(floor_div(date, minutes_per_day));
  return fmt::format("{} {}, {}, {}", month_name(civil), civil.day, civil.year, time_of_day(date));
}

}  // namespace mail::message
