#pragma once

#include <string>
#include <string_view>

namespace orvo::search {

// The form in which text is indexed and queried, so that "Éric  Müller" finds "eric muller":
// letters are lower-cased (Latin, Greek and Cyrillic), Latin letters lose their diacritics
// ("ß" becomes "ss", "Æ" "ae"), every run of white space or control characters becomes one
// blank with none at either end, and invisible formatting characters are dropped.
// Malformed UTF-8 counts as white space.
std::string normalize_search_text(std::string_view text);

}  // namespace orvo::search
