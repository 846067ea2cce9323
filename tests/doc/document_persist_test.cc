#include "platform/storage/document_persist.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <memory>
#include <string>

#include "platform/storage/atomic_file.h"
#include "platform/storage/temp_folder.h"

namespace orvo::storage {
namespace {

using ::testing::HasSubstr;

// Another program's connection to the same file.
struct Connection {
  explicit Connection(const std::filesystem::path& file) { sqlite3_open(file.c_str(), &db); }
  ~Connection() { sqlite3_close(db); }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  void run(const char* sql) const { ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql; }
  sqlite3* db = nullptr;
};

class DocumentPersistTest : public ::testing::Test {
 protected:
  [[nodiscard]] std::filesystem::path file() const { return folder_.path() / persist::document_file_name; }

  Document open() {
    auto document = persist::open(folder_.path());
    EXPECT_TRUE(document) << document.error();
    return document ? std::move(*document) : Document();
  }

  TempFolder folder_ = TempFolder::create("orvo-document-test-").value();
};

// Keys and texts are bytes, not necessarily UTF-8.
const std::string binary = std::string("\0\xff\xc3(", 4);

void fill(Document& document) {
  document.put({"messages", "k1", "present"}, true);
  document.put({"flags", "k1", "labels"}, TextList{"work", binary});
  document.put({"folders", binary}, std::string("Receipts"));
  document.put({"draft"}, DocumentMap{});
  document.put({"gone", "soon"}, true);
  document.remove({"gone"});
}

TEST_F(DocumentPersistTest, CommittedChangesSurviveReopening) {
  Document written = open();
  fill(written);
  ASSERT_TRUE(written.commit());
  written.put({"uncommitted"}, true);

  Document read = open();
  EXPECT_EQ(read.heads(), 6);
  EXPECT_EQ(*read.get<TextList>({"flags", "k1", "labels"}), (TextList{"work", binary}));
  EXPECT_EQ(*read.get<std::string>({"folders", binary}), "Receipts");
  EXPECT_NE(read.get<DocumentMap>({"draft"}), nullptr);
  EXPECT_EQ(read.find({"gone"}), nullptr);
  EXPECT_EQ(read.find({"uncommitted"}), nullptr);
  EXPECT_EQ(read.changes_since(0)->size(), 6);
}

TEST_F(DocumentPersistTest, ASnapshotAndTheChangesAfterItSurviveReopening) {
  Document written = open();
  for (int n = 0; n < 5000; ++n) written.put({"counter", std::to_string(n % 7)}, std::to_string(n));
  ASSERT_TRUE(written.commit());
  written.put({"after", "snapshot"}, true);
  written.remove({"counter", "0"});
  ASSERT_TRUE(written.commit());

  Document read = open();
  EXPECT_EQ(read.heads(), 5002);
  EXPECT_EQ(read.entries({"counter"}).size(), 6);
  EXPECT_EQ(*read.get<std::string>({"counter", "6"}), "4997");
  EXPECT_TRUE(*read.get<bool>({"after", "snapshot"}));
  EXPECT_FALSE(read.changes_since(4999));
  EXPECT_EQ(read.changes_since(5000)->size(), 2);
}

TEST_F(DocumentPersistTest, CreatesTheFolderAndUsesWriteAheadLogging) {
  const auto nested = folder_.path() / "a" / "b";
  auto document = persist::open(nested);
  ASSERT_TRUE(document) << document.error();
  document->put({"x"}, true);
  ASSERT_TRUE(document->commit());
  EXPECT_TRUE(std::filesystem::exists(nested / persist::document_file_name));
  std::ifstream header(nested / persist::document_file_name, std::ios::binary);
  std::string bytes(20, '\0');
  header.read(bytes.data(), 20);
  EXPECT_EQ(bytes[18], 2) << "the file format's write version marks write-ahead logging";
}

TEST_F(DocumentPersistTest, RefusesWhatItCannotReadAndLeavesItAsItWas) {
  const auto garbage = [&] { ASSERT_TRUE(atomic_file::write(file(), std::string(4096, 'x'))); };
  const auto foreign = [&] {
    Connection(file()).run("CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('mine')");
  };
  const auto newer = [&] {
    open();
    Connection(file()).run("PRAGMA user_version = 2");
  };
  const auto damaged = [&] {
    Document document = open();
    fill(document);
    ASSERT_TRUE(document.commit());
    Connection(file()).run("UPDATE operations SET bytes = x'c1' WHERE sequence = 2");
  };
  const struct {
    const char* name;
    std::function<void()> prepare;
    const char* error;
  } cases[] = {
      {"not a database", garbage, "file is not a database"},
      {"another program's database", foreign, "it is not a saved document"},
      {"a newer version", newer, "it was saved by a newer version of the program"},
      {"a damaged change", damaged, "the saved document is damaged: change 2 cannot be read"},
  };
  for (const auto& [name, prepare, error] : cases) {
    std::filesystem::remove(file());
    prepare();
    const std::string before = atomic_file::read(file()).value();
    const auto document = persist::open(folder_.path());
    ASSERT_FALSE(document) << name;
    EXPECT_THAT(document.error(), HasSubstr(error)) << name;
    EXPECT_EQ(atomic_file::read(file()).value(), before) << name;
  }
}

TEST_F(DocumentPersistTest, AFolderThatCannotBeMadeIsAnError) {
  ASSERT_TRUE(atomic_file::write(folder_.path() / "file", std::string_view("not a folder")));
  const auto document = persist::open(folder_.path() / "file" / "below");
  ASSERT_FALSE(document);
  EXPECT_THAT(document.error(), HasSubstr("could not create the folder"));
}

TEST_F(DocumentPersistTest, AFailedCommitSavesNothingAndKeepsItsChangesForTheNext) {
  Document document = open();
  document.put({"first"}, true);
  ASSERT_TRUE(document.commit());
  document.put({"second"}, true);
  document.put({"third"}, true);
  {
    Connection writer(file());
    writer.run("BEGIN IMMEDIATE");
    const auto committed = document.commit();
    ASSERT_FALSE(committed);
    EXPECT_THAT(committed.error(), HasSubstr("could not save the document: database is locked"));
    writer.run("ROLLBACK");
    EXPECT_EQ(open().heads(), 1);
  }
  ASSERT_TRUE(document.commit());
  Document read = open();
  EXPECT_EQ(read.heads(), 3);
  EXPECT_NE(read.get<bool>({"third"}), nullptr);
}

TEST_F(DocumentPersistTest, AWriterThatMissedAnothersChangesIsRefused) {
  Document first = open();
  Document second = open();
  first.put({"from first"}, true);
  ASSERT_TRUE(first.commit());
  second.put({"from second"}, true);
  const auto committed = second.commit();
  ASSERT_FALSE(committed);
  EXPECT_THAT(committed.error(), HasSubstr("it was changed by another program since it was read"));

  Document read = open();
  EXPECT_NE(read.get<bool>({"from first"}), nullptr);
  EXPECT_EQ(read.get<bool>({"from second"}), nullptr);
}

}  // namespace
}  // namespace orvo::storage
