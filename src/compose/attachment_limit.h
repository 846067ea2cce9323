#pragma once

#include <cstdint>

namespace mail::compose {

// The most one attachment may hold (32 MiB), whichever way it travels: staged from a
// file, kept in the store, sent, or saved from a received message.
inline constexpr std::uint64_t max_attachment_size = 33'554'432;

}  // namespace mail::compose
