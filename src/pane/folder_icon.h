#pragma once

#include "message/folder_kind.h"
#include "platform/ui/icon.h"

namespace mail::pane {

orvo::ui::Icon folder_icon(message::FolderKind folder);

}  // namespace mail::pane
