#pragma once

#include <cstdint>
#include <string>

namespace orvo::format {

// A byte count as a person reads it: "512 B", "1.5 KB", "180 KB", "32 MB".
// Units step by 1024; below 10 of a unit one decimal is kept, unless it is zero.
std::string bytes(std::uint64_t count);

}  // namespace orvo::format
