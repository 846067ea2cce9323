#include "doc/user_folders.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace mail::doc {
namespace {

using orvo::storage::Document;

TEST(UserFolders, CreateRenameDeleteAndList) {
  const struct {
    const char* name;
    std::function<void(Document&)> change;
    std::vector<UserFolder> listed;
  } cases[] = {
      {"create", [](Document& d) { create_folder(d, "f1", "Receipts"); }, {{"f1", "Receipts"}}},
      {"an empty id names no folder", [](Document& d) { create_folder(d, "", "Nameless"); }, {}},
      {"create again replaces the name",
       [](Document& d) {
         create_folder(d, "f1", "Receipts");
         create_folder(d, "f1", "Bills");
       },
       {{"f1", "Bills"}}},
      {"rename",
       [](Document& d) {
         create_folder(d, "f1", "Receipts");
         rename_folder(d, "f1", "Bills");
       },
       {{"f1", "Bills"}}},
      {"renaming a missing folder does not make it",
       [](Document& d) {
         create_folder(d, "f1", "Receipts");
         delete_folder(d, "f1");
         rename_folder(d, "f1", "Bills");
       },
       {}},
      {"delete one of two",
       [](Document& d) {
         create_folder(d, "f1", "Receipts");
         create_folder(d, "f2", "Travel");
         delete_folder(d, "f1");
         delete_folder(d, "f9");
       },
       {{"f2", "Travel"}}},
      {"sorted by id byte by byte",
       [](Document& d) {
         for (const char* id : {"b", "\xc3\xa9", "ab", "a", "B"}) create_folder(d, id, id);
       },
       {{"B", "B"}, {"a", "a"}, {"ab", "ab"}, {"b", "b"}, {"\xc3\xa9", "\xc3\xa9"}}},
      {"a value that is no name is skipped",
       [](Document& d) {
         create_folder(d, "f1", "Receipts");
         d.put({"folders", "f2"}, true);
         d.put({"folders", "f3", "name"}, std::string("Nested"));
       },
       {{"f1", "Receipts"}}},
  };
  for (const auto& [name, change, listed] : cases) {
    Document document;
    change(document);
    EXPECT_EQ(list_folders(document), listed) << name;
  }
}

TEST(UserFolders, RenamingAMissingFolderChangesNothing) {
  Document document;
  create_folder(document, "f1", "Receipts");
  const std::uint64_t heads = document.heads();
  rename_folder(document, "f2", "Bills");
  delete_folder(document, "f2");
  EXPECT_EQ(document.heads(), heads);
}

}  // namespace
}  // namespace mail::doc
