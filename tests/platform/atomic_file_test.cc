#include "platform/storage/atomic_file.h"

#include <gtest/gtest.h>

#include "platform/storage/temp_folder.h"

namespace orvo {
namespace {

TEST(AtomicFile, ReplacesWholeAndLeavesNoTemporaryBehind) {
  auto folder = *storage::TempFolder::create("orvo-atomic-test-");
  const auto path = folder.path() / "file.json";
  ASSERT_TRUE(atomic_file::write(path, std::string_view("a much longer first version")).has_value());
  ASSERT_TRUE(atomic_file::write(path, std::string_view("short")).has_value());
  EXPECT_EQ(atomic_file::read(path), "short");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(AtomicFile, FailsCleanlyInAFolderThatDoesNotExist) {
  auto folder = *storage::TempFolder::create("orvo-atomic-test-");
  const auto result = atomic_file::write(folder.path() / "missing" / "file", std::string_view("x"));
  ASSERT_FALSE(result.has_value());
  EXPECT_NE(result.error().find("could not create a temporary file"), std::string::npos);
  EXPECT_FALSE(atomic_file::read(folder.path() / "none").has_value());
}

TEST(TempFolder, HasThePrefixAndSixCharactersAndGoesAway) {
  std::filesystem::path path;
  {
    auto folder = storage::TempFolder::create("orvo-mail-sample-");
    ASSERT_TRUE(folder.has_value());
    path = folder->path();
    const std::string name = path.filename().string();
    EXPECT_TRUE(name.starts_with("orvo-mail-sample-"));
    EXPECT_EQ(name.size(), std::string_view("orvo-mail-sample-").size() + 6);
    atomic_file::write(path / "inside", std::string_view("x")).value();
    EXPECT_TRUE(std::filesystem::is_directory(path));
  }
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace orvo
