#include "message/folder_kind.h"

#include <algorithm>

namespace mail::message {
namespace {

struct FolderNames {
  FolderKind kind;
  std::string_view display;
  std::string_view id;
};

constexpr std::array<FolderNames, 7> names{{
    {FolderKind::Inbox, "Inbox", "inbox"},
    {FolderKind::Starred, "Starred", "starred"},
    {FolderKind::Sent, "Sent", "sent"},
    {FolderKind::Drafts, "Drafts", "drafts"},
    {FolderKind::Archive, "Archive", "archive"},
    {FolderKind::Trash, "Trash", "trash"},
    {FolderKind::Junk, "Junk", "junk"},
}};

const FolderNames& names_of(FolderKind kind) { return names[static_cast<std::size_t>(kind)]; }

}  // namespace

std::string_view display_name(FolderKind kind) { return names_of(kind).display; }

std::string_view identifier(FolderKind kind) { return names_of(kind).id; }

std::optional<FolderKind> folder_from_identifier(std::string_view text) {
  const auto found = std::ranges::find(names, text, &FolderNames::id);
  if (found == names.end()) return std::nullopt;
  return found->kind;
}

}  // namespace mail::message
