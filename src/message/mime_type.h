#pragma once

#include <string>
#include <string_view>

namespace mail::message {

// The MIME type an attachment is given from its file name alone: the text after the last
// "." (the whole name when there is none), in any case; unknown ones are
// "application/octet-stream".
std::string mime_type_for(std::string_view filename);

}  // namespace mail::message
