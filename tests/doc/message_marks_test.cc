#include "doc/message_marks.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace mail::doc {
namespace {

using message::FolderKind;
using message::MessageId;
using message::MessageRecord;
using orvo::storage::Document;
using orvo::storage::DocumentMap;
using orvo::storage::DocumentPath;
using orvo::storage::DocumentValue;
using orvo::storage::TextList;

const MessageId id{.high = 0x0123456789abcdef, .low = 0xfedcba9876543210};
const std::string key = "01234567-89ab-cdef-fedc-ba9876543210";

MessageRecord fetched(bool read, bool starred, FolderKind folder) {
  return {.id = id, .read = read, .starred = starred, .folder = folder};
}

struct Expected {
  DocumentPath path;
  std::optional<DocumentValue> value;  // none: nothing there
};

TEST(MessageMarks, WriteTheDocumentLayout) {
  const struct {
    const char* name;
    std::function<void(Document&)> change;
    std::vector<Expected> expected;
  } cases[] = {
      {"ensure registers the message and its flags",
       [](Document& d) { ensure_message(d, id); },
       {{{"messages", key, "present"}, true}, {{"messages", key, "purged"}, {}}, {{"flags", key}, DocumentMap{}}}},
      {"ensure leaves a purged message gone",
       [](Document& d) {
         purge(d, id);
         ensure_message(d, id);
       },
       {{{"messages", key, "present"}, false}, {{"messages", key, "purged"}, true}, {{"flags", key}, {}}}},
      {"project takes the server's state",
       [](Document& d) { project_message(d, fetched(true, true, FolderKind::Archive)); },
       {{{"messages", key, "present"}, true},
        {{"flags", key, "read"}, true},
        {{"flags", key, "starred"}, true},
        {{"flags", key, "folder"}, std::string("archive")},
        {{"flags", key, "labels"}, {}}}},
      {"project keeps the user's decisions",
       [](Document& d) {
         set_read(d, id, false);
         set_folder(d, id, FolderKind::Trash);
         project_message(d, fetched(true, true, FolderKind::Inbox));
       },
       {{{"flags", key, "read"}, false},
        {{"flags", key, "starred"}, true},
        {{"flags", key, "folder"}, std::string("trash")}}},
      {"project replaces a value of another kind",
       [](Document& d) {
         d.put({"flags", key, "read"}, std::string("yes"));
         project_message(d, fetched(true, false, FolderKind::Inbox));
       },
       {{{"flags", key, "read"}, true}}},
      {"set read, starred and folder",
       [](Document& d) {
         set_read(d, id, true);
         set_starred(d, id, true);
         set_starred(d, id, false);
         set_folder(d, id, FolderKind::Junk);
       },
       {{{"flags", key, "read"}, true},
        {{"flags", key, "starred"}, false},
        {{"flags", key, "folder"}, std::string("junk")}}},
      {"a container of another kind becomes a map",
       [](Document& d) {
         d.put({"flags"}, std::string("damaged"));
         set_read(d, id, true);
       },
       {{{"flags"}, DocumentMap{}}, {{"flags", key, "read"}, true}}},
      {"a label is added once, an empty one never",
       [](Document& d) {
         add_label(d, id, "work");
         add_label(d, id, "");
         add_label(d, id, "home");
         add_label(d, id, "work");
       },
       {{{"flags", key, "labels"}, TextList{"work", "home"}}}},
      {"removing a label takes its first occurrence",
       [](Document& d) {
         d.put({"flags", key, "labels"}, TextList{"a", "b", "a"});
         remove_label(d, id, "a");
       },
       {{{"flags", key, "labels"}, TextList{"b", "a"}}}},
      {"removing a label the message lacks writes nothing",
       [](Document& d) { remove_label(d, id, "a"); },
       {{{"flags", key, "labels"}, {}}}},
      {"removing the last label leaves an empty list, a decision of its own",
       [](Document& d) {
         add_label(d, id, "a");
         remove_label(d, id, "a");
       },
       {{{"flags", key, "labels"}, TextList{}}}},
      {"labels of another kind read as none",
       [](Document& d) {
         d.put({"flags", key, "labels"}, std::string("a"));
         add_label(d, id, "b");
       },
       {{{"flags", key, "labels"}, TextList{"b"}}}},
      {"purge",
       [](Document& d) {
         ensure_message(d, id);
         purge(d, id);
       },
       {{{"messages", key, "present"}, false}, {{"messages", key, "purged"}, true}}},
  };
  for (const auto& [name, change, expected] : cases) {
    Document document;
    change(document);
    for (const auto& [path, value] : expected) {
      const DocumentValue* found = document.find(path);
      EXPECT_EQ(found ? std::optional(*found) : std::nullopt, value) << name << ": " << path.back();
    }
  }
}

TEST(MessageMarks, PresenceNeedsATrueFlag) {
  Document document;
  EXPECT_FALSE(is_present(document, id));
  ensure_message(document, id);
  EXPECT_TRUE(is_present(document, id));
  purge(document, id);
  EXPECT_FALSE(is_present(document, id));
  document.put({"messages", key, "present"}, std::string("true"));
  EXPECT_FALSE(is_present(document, id));
}

TEST(MessageMarks, RepeatingADecisionIsNoChange) {
  Document document;
  project_message(document, fetched(true, false, FolderKind::Inbox));
  set_read(document, id, true);
  add_label(document, id, "work");
  const std::uint64_t heads = document.heads();
  project_message(document, fetched(false, true, FolderKind::Sent));
  ensure_message(document, id);
  set_read(document, id, true);
  add_label(document, id, "work");
  EXPECT_EQ(document.heads(), heads);
}

}  // namespace
}  // namespace mail::doc
