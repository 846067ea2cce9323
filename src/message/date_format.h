#pragma once

#include <string>

#include "message/message_record.h"

namespace mail::message {

// The message list's date column, relative to now (both in UTC): "08:30" today,
// "Yesterday", a weekday such as "Fri" within the last week, otherwise "Jun 23".
std::string format_list_date(Minutes date, Minutes now);

// The reading pane's full date in UTC: "Jun 30, 2026, 08:30".
std::string format_full_date(Minutes date);

}  // namespace mail::message
