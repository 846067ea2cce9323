#pragma once

#include <expected>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace orvo::atomic_file {

// Replaces `path` whole with `bytes`: the content goes to a temporary file in the
// same folder, is flushed to disk and renamed over the destination, so a reader
// sees either the old file or the new one, never a mix. `mode` applies to the new file.
std::expected<void, std::string> write(const std::filesystem::path& path, std::span<const std::byte> bytes,
                                       std::filesystem::perms mode = std::filesystem::perms(0644));

std::expected<void, std::string> write(const std::filesystem::path& path, std::string_view text,
                                       std::filesystem::perms mode = std::filesystem::perms(0644));

// Reads a whole file; a missing file is an error like any other.
std::expected<std::string, std::string> read(const std::filesystem::path& path);

}  // namespace orvo::atomic_file
