#pragma once

#include <optional>
#include <string_view>

#include "engine/imap/primitives.h"
#include "engine/imap/response.h"

namespace mail::engine::imap {

// OK, NO, BAD, PREAUTH or BYE, in any case.
std::optional<Condition> condition_named(std::string_view keyword);

// resp-text after the condition keyword: [SP ["[" resp-text-code "]" SP] text], filled
// into `status`. The text may be missing altogether, as in "A1 OK".
Parsed<StatusResponse> parse_resp_text(Reader& reader, StatusResponse status);

}  // namespace mail::engine::imap
