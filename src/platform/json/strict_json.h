#pragma once

#include <nlohmann/json.hpp>

#include <expected>
#include <string>
#include <string_view>

namespace orvo::json {

// Parses `text` as exactly one JSON value. Unlike the library's own parser, which
// silently keeps the last of two equal keys, an object that names a key twice is
// refused wherever it sits: a file edited by hand, or by someone else, must not mean
// something other than what it shows.
std::expected<nlohmann::ordered_json, std::string> parse_strict(std::string_view text);

}  // namespace orvo::json
