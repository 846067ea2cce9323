#pragma once

#include <string>
#include <string_view>

namespace orvo::actions {

// An identifier as a person reads it: "SetRead" and "set_read" both give "Set read",
// "HTMLBody" gives "HTML body". Words break at "_", "-", ".", blanks, a capital after a
// small letter or digit, and before the last capital of a run that starts a word.
std::string humanize_identifier(std::string_view identifier);

}  // namespace orvo::actions
