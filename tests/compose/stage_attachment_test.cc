#include "compose/stage_attachment.h"

#include <fcntl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#include "platform/crypto/blake3.h"
#include "platform/storage/temp_folder.h"

namespace mail::compose {
namespace {

namespace fs = std::filesystem;
using orvo::storage::BlobStore;
using orvo::storage::FileHandle;

constexpr std::size_t limit = 33'554'432;

class StageAttachment : public ::testing::Test {
 protected:
  FileHandle file_with(const std::string& content) {
    const fs::path path = folder_.path() / "picked";
    std::ofstream(path, std::ios::binary) << content;
    return FileHandle::open_for_reading(path).value();
  }

  [[nodiscard]] bool store_is_empty() const { return !fs::exists(folder_.path() / "store"); }

  orvo::storage::TempFolder folder_ = orvo::storage::TempFolder::create("orvo-stage-test-").value();
  BlobStore store_{folder_.path() / "store"};
};

TEST_F(StageAttachment, StoresAFileOfExactly32MiBAndDescribesIt) {
  const std::string content(limit, 'x');
  const auto staged = stage_attachment(store_, file_with(content), "../report.pdf");
  ASSERT_TRUE(staged) << staged.error();

  const std::string key = orvo::crypto::blake3_hex(content);
  EXPECT_EQ(*staged, (message::DraftAttachment{.content_id = "mail-attachment:blake3:" + key,
                                               .filename = "report.pdf",
                                               .mime = "application/pdf",
                                               .size = limit}));
  EXPECT_EQ(store_.get(key), content);
}

TEST_F(StageAttachment, RefusesWhatCannotBeAttachedAndStoresNothing) {
  const fs::path folder = folder_.path() / "a folder";
  fs::create_directory(folder);
  const struct {
    const char* name;
    std::function<FileHandle()> pick;
    std::string error;
  } cases[] = {
      {"one byte over the limit", [&] { return file_with(std::string(limit + 1, 'x')); },
       "attachments are limited to 32 MiB"},
      {"a folder", [&] { return FileHandle::open_for_reading(folder).value(); },
       "the selected item is not a regular file"},
      {"a character device", [] { return FileHandle::open_for_reading("/dev/zero").value(); },
       "the selected item is not a regular file"},
      {"no file at all", [] { return FileHandle(-1); }, "could not inspect selected file: Bad file descriptor"},
      {"a file that cannot be read",
       [&] {
         file_with("content");
         return FileHandle(::open((folder_.path() / "picked").c_str(), O_WRONLY | O_CLOEXEC));
       },
       "could not read selected file: Bad file descriptor"},
  };
  for (const auto& [name, pick, error] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(stage_attachment(store_, pick(), "report.pdf"), std::unexpected(error));
    EXPECT_TRUE(store_is_empty());
  }
}

TEST_F(StageAttachment, RefusesWhenTheStoreCannotKeepTheContent) {
  BlobStore nowhere = BlobStore::nowhere();
  EXPECT_EQ(stage_attachment(nowhere, file_with("content"), "report.pdf"),
            std::unexpected("could not retain attachment content for this draft"));
}

TEST_F(StageAttachment, TypesTheAttachmentByItsCleanedName) {
  const struct {
    std::string reported;
    std::string filename;
    std::string mime;
  } cases[] = {
      {"..", "attachment", "application/octet-stream"},
      {"HOLIDAY.JPEG", "HOLIDAY.JPEG", "image/jpeg"},
      {"backup.tar.gz", "backup.tar.gz", "application/gzip"},
      {"README", "README", "application/octet-stream"},
      {"notes.txt\n", "notes.txt", "text/plain"},
  };
  for (const auto& [reported, filename, mime] : cases) {
    SCOPED_TRACE(reported);
    const auto staged = stage_attachment(store_, file_with("content"), reported);
    ASSERT_TRUE(staged) << staged.error();
    EXPECT_EQ(staged->filename, filename);
    EXPECT_EQ(staged->mime, mime);
  }
}

}  // namespace
}  // namespace mail::compose
