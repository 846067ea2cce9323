#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace mail::message {

// The seven folders every account shows.
enum class FolderKind : std::uint8_t {
  Inbox = 0,
  Starred = 1,
  Sent = 2,
  Drafts = 3,
  Archive = 4,
  Trash = 5,
  Junk = 6,
};

// The order in which folders are listed: Junk comes before Trash.
inline constexpr std::array<FolderKind, 7> folder_display_order{
    FolderKind::Inbox,   FolderKind::Starred, FolderKind::Sent,  FolderKind::Drafts,
    FolderKind::Archive, FolderKind::Junk,    FolderKind::Trash,
};

std::string_view display_name(FolderKind kind);
std::string_view identifier(FolderKind kind);
// Exact and case-sensitive: "inbox" is the Inbox, "Inbox" is no folder.
std::optional<FolderKind> folder_from_identifier(std::string_view text);

}  // namespace mail::message
