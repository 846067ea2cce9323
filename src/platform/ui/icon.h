#pragma once

#include <cstdint>

namespace orvo::ui {

// The icons the program draws; every one comes from a single installed icon set.
enum class Icon : std::uint8_t {
  Menu,
  ArrowBack,
  Inbox,
  Star,
  StarOutline,
  Send,
  Drafts,
  Archive,
  Unarchive,
  Delete,
  DeleteForever,
  Report,
  Edit,
  Refresh,
  Search,
  Close,
  Check,
  CheckBox,
  CheckBoxOutline,
  Reply,
  ReplyAll,
  Forward,
  MarkUnread,
  MarkRead,
  Attachment,
  PictureAsPdf,
  Image,
  Description,
  Settings,
  Add,
  ExpandMore,
  ExpandLess,
  Person,
  Mail,
  CloudOff,
  Sync,
  Warning,
  Error,
  Info,
  Keyboard,
  Visibility,
  Download,
};

}  // namespace orvo::ui
