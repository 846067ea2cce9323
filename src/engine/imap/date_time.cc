#include "engine/imap/date_time.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "engine/imap/keyword.h"

namespace mail::engine::imap {
namespace {

using namespace std::chrono;

constexpr std::array<std::string_view, 12> month_names = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// "dd-Mon-yyyy hh:mm:ss +hhmm" taken apart; the zone keeps its hhmm digits as a number.
struct Fields {
  int day = 0;
  unsigned month = 0;
  int year = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int zone_sign = 0;
  int zone = 0;
};

bool read_number(Reader& reader, std::size_t min_digits, std::size_t max_digits, int& number) {
  const std::string_view digits = reader.take_while(is_digit);
  if (digits.size() < min_digits || digits.size() > max_digits) return false;
  number = 0;
  for (const char digit : digits) number = number * 10 + (digit - '0');
  return true;
}

bool read_month(Reader& reader, unsigned& month) {
  const std::string_view name = reader.take(3);
  const auto known =
      std::ranges::find_if(month_names, [name](std::string_view month_name) { return is_keyword(name, month_name); });
  month = static_cast<unsigned>(known - month_names.begin()) + 1;
  return known != month_names.end();
}

// +1 east of UTC, -1 west.
bool read_zone_sign(Reader& reader, int& sign) {
  sign = reader.skip('+') ? 1 : reader.skip('-') ? -1 : 0;
  return sign != 0;
}

std::optional<Fields> read_fields(std::string_view text) {
  Reader reader(text);
  Fields fields;
  reader.skip(' ');
  const bool complete =
      read_number(reader, 1, 2, fields.day) && reader.skip('-') && read_month(reader, fields.month) &&
      reader.skip('-') && read_number(reader, 4, 4, fields.year) && reader.skip(' ') &&
      read_number(reader, 2, 2, fields.hour) && reader.skip(':') && read_number(reader, 2, 2, fields.minute) &&
      reader.skip(':') && read_number(reader, 2, 2, fields.second) && reader.skip(' ') &&
      read_zone_sign(reader, fields.zone_sign) && read_number(reader, 4, 4, fields.zone) && reader.at_end();
  return complete ? std::optional(fields) : std::nullopt;
}

std::optional<std::int64_t> seconds_since_epoch(const Fields& fields) {
  // A second of 60 is a leap second; it counts into the next minute.
  if (fields.hour > 23 || fields.minute > 59 || fields.second > 60 || fields.zone % 100 > 59) return std::nullopt;
  const year_month_day date{year{fields.year}, month{fields.month}, day{static_cast<unsigned>(fields.day)}};
  if (!date.ok()) return std::nullopt;

  const auto local_time =
      sys_days{date}.time_since_epoch() + hours{fields.hour} + minutes{fields.minute} + seconds{fields.second};
  const minutes offset{fields.zone_sign * (fields.zone / 100 * 60 + fields.zone % 100)};
  return duration_cast<seconds>(local_time - offset).count();
}

}  // namespace

Parsed<std::int64_t> parse_date_time(Reader& reader) {
  const std::size_t start = reader.position();
  const auto text = parse_quoted(reader);
  if (!text) return std::unexpected(text.error());
  const auto fields = read_fields(*text);
  if (const auto seconds = fields ? seconds_since_epoch(*fields) : std::nullopt) return *seconds;
  return expected_at(start, "a date-time like \"17-Jul-1996 02:44:25 -0700\"");
}

}  // namespace mail::engine::imap
