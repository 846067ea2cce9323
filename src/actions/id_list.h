#pragma once

#include <string>
#include <vector>

namespace mail::actions {

// The ids a change acts on: each without white space at its ends, kept when it is 1
// to 128 characters long and not taken before, in the order given, at most 256.
std::vector<std::string> normalize_ids(const std::vector<std::string>& ids);

}  // namespace mail::actions
