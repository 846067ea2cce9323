#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/fluent_pattern.h"

namespace mail::strings {

// The en-US texts of the surfaces that have moved off literal strings, in the
// localisation format.
extern const std::string_view resource;

// The key whose lookup tells whether the resource is known.
inline constexpr std::string_view probe_key = "mail-search-placeholder";

// Makes the resource known to the calling thread's localisation manager, once.
void ensure_registered();

std::string text(std::string_view key);
std::string format(std::string_view key, const std::vector<orvo::ui::FluentArg>& args);

}  // namespace mail::strings
