#include "platform/storage/document.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace orvo::storage {
namespace {

using Entries = std::vector<std::pair<std::string, DocumentValue>>;

// Every value of the document, by path, as one comparable list.
Entries all_values(const Document& document, const DocumentPath& path = {}) {
  Entries found;
  for (const auto& [key, value] : document.entries(path)) {
    DocumentPath below = path;
    below.emplace_back(key);
    std::string name;
    for (const std::string& part : below) name += "/" + part;
    found.emplace_back(name, *value);
    for (auto& deeper : all_values(document, below)) found.push_back(std::move(deeper));
  }
  return found;
}

TEST(Document, PutsAndRemovesReshapeTheTree) {
  const struct {
    const char* name;
    std::function<void(Document&)> change;
    Entries expected;
  } cases[] = {
      {"missing containers become maps",
       [](Document& d) { d.put({"a", "b", "c"}, true); },
       {{"/a", DocumentMap{}}, {"/a/b", DocumentMap{}}, {"/a/b/c", true}}},
      {"a container holding another kind becomes a map",
       [](Document& d) {
         d.put({"a"}, std::string("text"));
         d.put({"a", "b"}, TextList{"x", "y"});
       },
       {{"/a", DocumentMap{}}, {"/a/b", TextList{"x", "y"}}}},
      {"a value replaces a whole subtree",
       [](Document& d) {
         d.put({"a", "b"}, true);
         d.put({"a", "c", "d"}, false);
         d.put({"ab"}, true);
         d.put({"a"}, std::string("flat"));
       },
       {{"/a", std::string("flat")}, {"/ab", true}}},
      {"a map put on a map keeps its entries",
       [](Document& d) {
         d.put({"a", "b"}, true);
         d.put({"a"}, DocumentMap{});
       },
       {{"/a", DocumentMap{}}, {"/a/b", true}}},
      {"removing takes the subtree and spares its neighbours",
       [](Document& d) {
         d.put({"a", "b", "c"}, true);
         d.put({"a", "bb"}, true);
         d.remove({"a", "b"});
       },
       {{"/a", DocumentMap{}}, {"/a/bb", true}}},
      {"the root stays",
       [](Document& d) {
         d.put({"a"}, true);
         d.put({}, true);
         d.remove({});
       },
       {{"/a", true}}},
  };
  for (const auto& [name, change, expected] : cases) {
    Document document;
    change(document);
    EXPECT_EQ(all_values(document), expected) << name;
  }
}

TEST(Document, ReadsAValueOfAnotherKindAsAbsent) {
  Document document;
  document.put({"flag"}, true);
  document.put({"name"}, std::string("Ada"));
  EXPECT_EQ(*document.get<bool>({"flag"}), true);
  EXPECT_EQ(document.get<std::string>({"flag"}), nullptr);
  EXPECT_EQ(*document.get<std::string>({"name"}), "Ada");
  EXPECT_EQ(document.get<TextList>({"name"}), nullptr);
  EXPECT_EQ(document.get<bool>({"missing"}), nullptr);
  EXPECT_EQ(document.get<bool>({"flag", "below a leaf"}), nullptr);
  EXPECT_NE(document.get<DocumentMap>({}), nullptr);
  EXPECT_TRUE(document.entries({"flag"}).empty());
}

TEST(Document, ListsAMapsOwnEntriesInByteOrder) {
  Document document;
  for (const char* key : {"b", "\xc3\xa9", "ab", "a", "B"}) document.put({"map", key}, std::string(key));
  document.put({"map", "a", "deeper"}, true);
  document.put({"mapped"}, true);
  std::vector<std::string> keys;
  for (const auto& [key, value] : document.entries({"map"})) keys.emplace_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"B", "a", "ab", "b", "\xc3\xa9"}));
}

TEST(Document, NumbersEachChangeAndSkipsWhatChangesNothing) {
  Document document;
  document.put({"a", "b"}, true);
  document.put({"a", "b"}, true);
  document.put({"a"}, DocumentMap{});
  document.remove({"nothing"});
  document.put({"a", "b"}, false);
  document.remove({"a"});
  EXPECT_EQ(document.heads(), 3);

  const auto all = document.changes_since(0);
  ASSERT_TRUE(all);
  EXPECT_EQ(std::vector(all->begin(), all->end()),
            (std::vector<DocumentOperation>{{.sequence = 1, .path = {"a", "b"}, .value = true},
                                            {.sequence = 2, .path = {"a", "b"}, .value = false},
                                            {.sequence = 3, .path = {"a"}}}));
  EXPECT_EQ(document.changes_since(2)->size(), 1);
  EXPECT_TRUE(document.changes_since(3)->empty());
}

TEST(Document, ForgetsOldChangesOnceTheyAreFoldedIntoASnapshot) {
  Document document;
  for (int n = 0; n < 5000; ++n) document.put({"count"}, std::to_string(n));
  ASSERT_TRUE(document.commit());
  EXPECT_EQ(document.heads(), 5000);
  EXPECT_FALSE(document.changes_since(4999));
  document.put({"count"}, std::string("next"));
  EXPECT_EQ(document.changes_since(5000)->size(), 1);
}

}  // namespace
}  // namespace orvo::storage
