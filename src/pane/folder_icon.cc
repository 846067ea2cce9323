#include "pane/folder_icon.h"

namespace mail::pane {

orvo::ui::Icon folder_icon(message::FolderKind folder) {
  using message::FolderKind;
  using orvo::ui::Icon;
  switch (folder) {
    case FolderKind::Inbox: return Icon::Inbox;
    case FolderKind::Starred: return Icon::Star;
    case FolderKind::Sent: return Icon::Send;
    case FolderKind::Drafts: return Icon::Drafts;
    case FolderKind::Archive: return Icon::Archive;
    case FolderKind::Trash: return Icon::Delete;
    case FolderKind::Junk: return Icon::Report;
  }
  return Icon::Inbox;
}

}  // namespace mail::pane
