// Arbitrary bytes through everything parse_message does, and through the date and HTML
// readers on their own. parse_message itself is the read_mime and record_from_mime pair
// below: its std::expected result is all that is left out, because clang 14 cannot use
// libstdc++ 12's std::expected.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "message/date_format.h"
#include "message/html_to_text.h"
#include "message/message_date.h"
#include "message/mime_reader.h"
#include "message/record_from_mime.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace mail::message;
  const std::string_view raw(reinterpret_cast<const char*>(data), size);
  if (auto content = read_mime(raw)) record_from_mime(std::move(*content), {});
  const Minutes date = message_date(std::nullopt, raw, 0);
  format_full_date(date);
  format_list_date(date, 0);
  html_to_text(raw);
  return 0;
}
