#include "engine/live/folder_view.h"

#include <array>

namespace mail::engine::live {
namespace {

// In the order of FolderKind's values.
constexpr std::array<FolderView, 7> views{{
    {"INBOX"},
    {"INBOX", imap::SearchKey::flagged},
    {"Sent"},
    {"Drafts"},
    {"Archive"},
    {"Trash"},
    {"Junk"},
}};

}  // namespace

FolderView folder_view(message::FolderKind folder) { return views.at(static_cast<std::size_t>(folder)); }

}  // namespace mail::engine::live
