#include "platform/storage/blob_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/crypto/blake3.h"
#include "platform/storage/temp_folder.h"

namespace orvo::storage {
namespace {

using ::testing::StartsWith;

const std::string binary_content = std::string("attachment\0\xff\x80 bytes\r\n", 20);

class BlobStoreTest : public ::testing::Test {
 protected:
  // Found by name rather than by the store's folder layout.
  [[nodiscard]] std::filesystem::path entry_file(std::string_view key) const {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root_.path())) {
      if (entry.path().filename() == key) return entry.path();
    }
    return {};
  }

  [[nodiscard]] std::size_t file_count() const {
    return std::ranges::count_if(std::filesystem::recursive_directory_iterator(root_.path()),
                                 [](const auto& entry) { return entry.is_regular_file(); });
  }

  TempFolder root_ = TempFolder::create("orvo-blob-store-test-").value();
  BlobStore store_{root_.path()};
};

TEST_F(BlobStoreTest, KeysContentByItsBlake3HashAndReturnsItUnchanged) {
  EXPECT_EQ(store_.put(""), "af1349b9f5f9a1a6a0404dea36dcc9499bcb25c9adc112b7cc9a93cae41f3262");

  const auto key = store_.put(binary_content);
  ASSERT_TRUE(key) << key.error();
  EXPECT_EQ(*key, crypto::blake3_hex(binary_content));
  EXPECT_EQ(store_.get(*key), binary_content);
  EXPECT_EQ(std::filesystem::status(entry_file(*key)).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(BlobStoreTest, AcceptsExactly32MiBAndRefusesOneByteMore) {
  std::string content(BlobStore::max_content_size, 'x');
  const auto key = store_.put(content);
  ASSERT_TRUE(key) << key.error();
  EXPECT_EQ(store_.get(*key), content);

  content += 'x';
  EXPECT_EQ(store_.put(content), std::unexpected("a blob can hold at most 32 MiB"));
  EXPECT_EQ(file_count(), 1);
}

TEST_F(BlobStoreTest, RefusesMalformedKeys) {
  const std::string key = store_.put(binary_content).value();
  std::string upper_case = key;
  std::ranges::transform(upper_case, upper_case.begin(), [](unsigned char c) { return std::toupper(c); });
  const struct {
    const char* name;
    std::string key;
  } cases[] = {
      {"empty", ""},
      {"too short", key.substr(1)},
      {"too long", key + "0"},
      {"upper case", upper_case},
      {"not hexadecimal", "g" + key.substr(1)},
      {"climbing out of the store", "../../../" + key.substr(9)},
      {"absolute path", "/" + key.substr(1)},
  };
  for (const auto& [name, malformed] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(store_.get(malformed), std::unexpected("a blob key must be 64 lower-case hexadecimal digits"));
    EXPECT_FALSE(BlobStore::verify(malformed, binary_content));
  }
}

TEST_F(BlobStoreTest, ReportsAKeyWithNoEntry) {
  const std::string key = crypto::blake3_hex(binary_content);
  EXPECT_EQ(store_.get(key), std::unexpected("no blob is stored under the key " + key));
}

TEST_F(BlobStoreTest, NeverReturnsADamagedEntry) {
  const struct {
    const char* name;
    std::function<void(std::string&)> damage;
  } cases[] = {
      {"one byte changed", [](std::string& bytes) { bytes[3] ^= 1; }},
      {"truncated", [](std::string& bytes) { bytes.pop_back(); }},
      {"extended", [](std::string& bytes) { bytes += '\n'; }},
      {"emptied", [](std::string& bytes) { bytes.clear(); }},
  };
  for (const auto& [name, damage] : cases) {
    SCOPED_TRACE(name);
    const std::string key = store_.put(binary_content).value();
    std::string bytes = binary_content;
    damage(bytes);
    std::ofstream(entry_file(key), std::ios::binary | std::ios::trunc) << bytes;

    EXPECT_EQ(store_.get(key),
              std::unexpected("the blob " + key + " is damaged: its content no longer matches its key"));
  }
}

TEST_F(BlobStoreTest, StoringAgainMendsADamagedEntry) {
  const std::string key = store_.put(binary_content).value();
  std::ofstream(entry_file(key), std::ios::binary | std::ios::trunc) << "garbage";

  EXPECT_EQ(store_.put(binary_content), key);
  EXPECT_EQ(store_.get(key), binary_content);
}

TEST_F(BlobStoreTest, ReportsAnEntryThatCannotBeRead) {
  const std::string key = store_.put(binary_content).value();
  const std::filesystem::path entry = entry_file(key);
  std::filesystem::remove(entry);
  std::filesystem::create_directory(entry);

  const auto content = store_.get(key);
  ASSERT_FALSE(content);
  EXPECT_THAT(content.error(), StartsWith("could not inspect the blob " + key + ": "));
}

TEST_F(BlobStoreTest, VerifiesOnlyContentThatHashesToTheKey) {
  const std::string key = crypto::blake3_hex(binary_content);
  EXPECT_TRUE(BlobStore::verify(key, binary_content));
  EXPECT_FALSE(BlobStore::verify(key, binary_content + " "));
  EXPECT_FALSE(BlobStore::verify(crypto::blake3_hex(""), binary_content));
}

}  // namespace
}  // namespace orvo::storage
