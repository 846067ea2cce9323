#include "message/folder_kind.h"
#include "message/message_id.h"

#include <gtest/gtest.h>

namespace mail::message {
namespace {

TEST(FolderKind, IdentifiersAreExactAndCaseSensitive) {
  const std::pair<std::string_view, std::optional<FolderKind>> cases[] = {
      {"inbox", FolderKind::Inbox}, {"starred", FolderKind::Starred}, {"sent", FolderKind::Sent},
      {"drafts", FolderKind::Drafts}, {"archive", FolderKind::Archive}, {"trash", FolderKind::Trash},
      {"junk", FolderKind::Junk},    {"Inbox", std::nullopt},          {"INBOX", std::nullopt},
      {" inbox", std::nullopt},      {"", std::nullopt},               {"spam", std::nullopt},
  };
  for (const auto& [text, kind] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(folder_from_identifier(text), kind);
  }
  for (FolderKind kind : folder_display_order) {
    EXPECT_EQ(folder_from_identifier(identifier(kind)), kind);
  }
  EXPECT_EQ(display_name(FolderKind::Junk), "Junk");
  EXPECT_EQ(folder_display_order[5], FolderKind::Junk);  // Junk is listed before Trash
}

TEST(MessageId, WritesAndReadsTheHyphenatedForm) {
  const MessageId id{0x0123456789abcdefULL, 0xfedcba9876543210ULL};
  EXPECT_EQ(id.to_string(), "01234567-89ab-cdef-fedc-ba9876543210");
  EXPECT_EQ(MessageId::parse("01234567-89AB-cdef-fedc-ba9876543210"), id);
  for (std::string_view bad : {"", "01234567-89ab-cdef-fedc-ba987654321", "0123456789ab-cdef-fedc-ba9876543210-",
                               "01234567-89ab-cdef-fedc-ba987654321g"}) {
    EXPECT_FALSE(MessageId::parse(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace mail::message
