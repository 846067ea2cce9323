#pragma once

#include <string>
#include <string_view>

namespace orvo::search {

// The form in which text is indexed and queried, so that "eric muller" finds "Éric  Müller":
// the letters of ASCII, Latin-1 and Latin Extended-A lose case and diacritics ("ß" becomes
// "ss", "Æ" "ae"), basic Greek and Cyrillic capitals become small letters, every run of white
// space or control characters becomes one blank with none at either end, and invisible
// formatting characters are dropped. Malformed UTF-8 counts as white space.
std::string normalize_search_text(std::string_view text);

}  // namespace orvo::search
