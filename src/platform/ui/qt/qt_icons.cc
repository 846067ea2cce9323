#include "platform/ui/qt/qt_icons.h"

namespace orvo::ui::qt {

std::uint16_t icon_codepoint(Icon icon) {
  switch (icon) {
    case Icon::Menu: return 0xe5d2;
    case Icon::ArrowBack: return 0xe5c4;
    case Icon::Inbox: return 0xe156;
    case Icon::Star: return 0xe838;
    case Icon::StarOutline: return 0xe83a;
    case Icon::Send: return 0xe163;
    case Icon::Drafts: return 0xe151;
    case Icon::Archive: return 0xe149;
    case Icon::Unarchive: return 0xe169;
    case Icon::Delete: return 0xe872;
    case Icon::DeleteForever: return 0xe92b;
    case Icon::Report: return 0xe160;
    case Icon::Edit: return 0xe3c9;
    case Icon::Refresh: return 0xe5d5;
    case Icon::Search: return 0xe8b6;
    case Icon::Close: return 0xe5cd;
    case Icon::Check: return 0xe5ca;
    case Icon::CheckBox: return 0xe834;
    case Icon::CheckBoxOutline: return 0xe835;
    case Icon::Reply: return 0xe15e;
    case Icon::ReplyAll: return 0xe15f;
    case Icon::Forward: return 0xe154;
    case Icon::MarkUnread: return 0xf18a;
    case Icon::MarkRead: return 0xf18c;
    case Icon::Attachment: return 0xe226;
    case Icon::PictureAsPdf: return 0xe415;
    case Icon::Image: return 0xe3f4;
    case Icon::Description: return 0xe873;
    case Icon::Settings: return 0xe8b8;
    case Icon::Add: return 0xe145;
    case Icon::ExpandMore: return 0xe5cf;
    case Icon::ExpandLess: return 0xe5ce;
    case Icon::Person: return 0xe7fd;
    case Icon::Mail: return 0xe158;
    case Icon::CloudOff: return 0xe2c1;
    case Icon::Sync: return 0xe627;
    case Icon::Warning: return 0xe002;
    case Icon::Error: return 0xe000;
    case Icon::Info: return 0xe88e;
    case Icon::Keyboard: return 0xe312;
    case Icon::Visibility: return 0xe8f4;
    case Icon::Download: return 0xe2c4;
  }
  return 0xe88e;
}

}  // namespace orvo::ui::qt
