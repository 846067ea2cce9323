#include "doc/apply_to_store.h"

#include <gtest/gtest.h>

#include <functional>

#include "doc/message_marks.h"

namespace mail::doc {
namespace {

using message::FolderKind;
using message::MessageId;
using message::MessageRecord;
using orvo::storage::Document;
using state::MessageStore;

MessageRecord fetched(std::uint64_t n, bool read = false) {
  return {.subject = "message " + std::to_string(n), .id = {.high = 0, .low = n}, .read = read};
}

// One update: what the engine delivered is projected, then the document is laid over the store.
void deliver(Document& document, MessageStore& store, const MessageRecord& record) {
  project_message(document, record);
  store.insert(record);
  apply_to_store(document, store);
}

TEST(ApplyToStore, ALocalDecisionOutlivesLaterFetches) {
  Document document;
  MessageStore store;
  deliver(document, store, fetched(1));
  set_read(document, {0, 1}, true);
  apply_to_store(document, store);
  EXPECT_TRUE(store.find({0, 1})->read);

  deliver(document, store, fetched(1, /*read=*/false));
  EXPECT_TRUE(store.find({0, 1})->read) << "marked read locally, fetched unread";
}

TEST(ApplyToStore, TheFirstFetchSetsTheStartingPoint) {
  Document document;
  MessageStore store;
  deliver(document, store, fetched(1, /*read=*/true));
  deliver(document, store, fetched(1, /*read=*/false));
  EXPECT_TRUE(store.find({0, 1})->read);
}

TEST(ApplyToStore, APurgedMessageNeverComesBack) {
  Document document;
  MessageStore store;
  deliver(document, store, fetched(1));
  deliver(document, store, fetched(2));
  purge(document, {0, 1});
  apply_to_store(document, store);
  EXPECT_EQ(store.order(), (std::vector<MessageId>{{0, 2}}));

  deliver(document, store, fetched(1));
  EXPECT_EQ(store.find({0, 1}), nullptr);
  EXPECT_FALSE(is_present(document, {0, 1}));
}

TEST(ApplyToStore, TheDocumentsValuesReplaceTheRecords) {
  const struct {
    const char* name;
    std::function<void(Document&)> decide;
    std::function<void(MessageRecord&)> expected;
  } cases[] = {
      {"starred", [](Document& d) { set_starred(d, {0, 1}, true); }, [](MessageRecord& r) { r.starred = true; }},
      {"folder", [](Document& d) { set_folder(d, {0, 1}, FolderKind::Archive); },
       [](MessageRecord& r) { r.folder = FolderKind::Archive; }},
      {"a folder that is none",
       [](Document& d) { d.put({"flags", MessageId{0, 1}.to_string(), "folder"}, std::string("Archive")); },
       [](MessageRecord&) {}},
      {"labels, in order",
       [](Document& d) {
         add_label(d, {0, 1}, "b");
         add_label(d, {0, 1}, "a");
       },
       [](MessageRecord& r) { r.labels = {"b", "a"}; }},
      {"no labels is a decision too",
       [](Document& d) {
         add_label(d, {0, 1}, "a");
         remove_label(d, {0, 1}, "a");
       },
       [](MessageRecord& r) { r.labels = {}; }},
      {"a value of another kind counts for nothing",
       [](Document& d) { d.put({"flags", MessageId{0, 1}.to_string(), "read"}, std::string("true")); },
       [](MessageRecord&) {}},
  };
  for (const auto& [name, decide, expected] : cases) {
    Document document;
    MessageStore store;
    MessageRecord record = fetched(1);
    record.labels = {"server"};
    store.insert(record);
    decide(document);
    apply_to_store(document, store);
    expected(record);
    const MessageRecord& applied = *store.find({0, 1});
    EXPECT_EQ(applied.read, record.read) << name;
    EXPECT_EQ(applied.starred, record.starred) << name;
    EXPECT_EQ(applied.folder, record.folder) << name;
    EXPECT_EQ(applied.labels, record.labels) << name;
    EXPECT_EQ(applied.subject, record.subject) << name;
  }
}

TEST(ApplyToStore, BumpsTheRevisionOnlyForRecordsThatChange) {
  Document document;
  MessageStore store;
  for (std::uint64_t n = 1; n <= 3; ++n) deliver(document, store, fetched(n));
  std::uint64_t revision = store.revision();
  apply_to_store(document, store);
  EXPECT_EQ(store.revision(), revision) << "nothing to change";

  set_read(document, {0, 2}, true);
  set_read(document, {0, 3}, true);
  set_starred(document, {0, 3}, true);
  apply_to_store(document, store);
  EXPECT_EQ(store.revision(), revision + 2) << "one bump for each of two changed records";
  EXPECT_TRUE(store.find({0, 2})->read);
  EXPECT_FALSE(store.find({0, 1})->read);

  revision = store.revision();
  apply_to_store(document, store);
  EXPECT_EQ(store.revision(), revision);
}

TEST(ApplyToStore, WithoutADocumentTheServerStands) {
  Document document;
  MessageStore store;
  store.insert(fetched(1, /*read=*/true));
  const std::uint64_t revision = store.revision();
  apply_to_store(document, store);
  EXPECT_TRUE(store.find({0, 1})->read);
  EXPECT_EQ(store.revision(), revision);
}

}  // namespace
}  // namespace mail::doc
