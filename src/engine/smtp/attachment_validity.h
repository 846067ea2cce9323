#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "message/draft_data.h"

namespace mail::engine::smtp {

// A file name of 1 to 180 characters of UTF-8 without "/", "\" or control
// characters; a type such as "application/pdf" of fewer than 128 printable ASCII
// characters, without blanks, quotes or backslashes; a size of at most 32 MiB. Drafts
// are files on disk, so these hold for sending too, not only when a file is staged.
bool has_valid_metadata(const message::DraftAttachment& attachment);

// The store key a content id refers to ("mail-attachment:blake3:" and 64 hexadecimal
// digits, in either case), in the lower-case form the store files it under.
std::optional<std::string> content_key(std::string_view content_id);

}  // namespace mail::engine::smtp
