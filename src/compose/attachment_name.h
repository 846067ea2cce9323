#pragma once

#include <string>
#include <string_view>

namespace mail::compose {

// Both names below come from elsewhere (a picker, a sender) and end up as a file name
// or in a message header, so only their last path component survives, without
// control characters, and a name that would mean "here" or "up" becomes "attachment".

// The name a picked file is attached under: at most 180 characters.
std::string staged_file_name(std::string_view reported_name);

// The name the save picker proposes for a received attachment: at most 240 bytes,
// cut between characters.
std::string suggested_save_name(std::string_view filename);

}  // namespace mail::compose
