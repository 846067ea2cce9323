#include "compose/attachment_save.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <span>
#include <sstream>
#include <string>

#include "engine/sample_mailbox.h"
#include "platform/storage/temp_folder.h"
#include "scripted_chooser.h"

namespace mail::compose {
namespace {

namespace fs = std::filesystem;
namespace portal = orvo::ui::portal;
using message::AttachmentRecord;
using message::MessageId;
using message::MessageRecord;

std::vector<std::byte> bytes_of(std::string_view text) {
  const auto span = std::as_bytes(std::span(text));
  return {span.begin(), span.end()};
}

AttachmentRecord downloaded(std::string filename, std::string_view content) {
  return {.filename = std::move(filename),
          .mime_type = "application/pdf",
          .content = bytes_of(content),
          .size = content.size(),
          .downloaded = true};
}

std::string read_file(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

void write_file(const fs::path& path, std::string_view content) { std::ofstream(path, std::ios::binary) << content; }

// Everything under a folder, links as links: what a refused save must leave untouched.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string name = fs::relative(entry.path(), folder).string();
    if (entry.is_symlink()) entries[name] = "-> " + fs::read_symlink(entry.path()).string();
    else if (entry.is_regular_file()) entries[name] = read_file(entry.path());
    else entries[name] = "folder";
  }
  return entries;
}

class SaveAttachment : public ::testing::Test {
 protected:
  const MessageId id_{.high = 1, .low = 2};
  const std::string content_ = "%PDF-1.4 report";
  const PendingSave pending_{.message = id_, .index = 0, .attachment = downloaded("report.pdf", content_)};
  orvo::storage::TempFolder folder_ = orvo::storage::TempFolder::create("orvo-save-test-").value();
};

TEST_F(SaveAttachment, BeginRefusesWhatCannotBeSaved) {
  const struct {
    const char* name;
    std::function<void(AttachmentRecord&)> vary;
    MessageId id;
    std::size_t index;
    bool another_save_running;
    std::string error;
  } cases[] = {
      {"another save running", [](AttachmentRecord&) {}, id_, 0, true,
       "another attachment save is already in progress"},
      {"message gone", [](AttachmentRecord&) {}, MessageId{.high = 9}, 0, false, "attachment is no longer loaded"},
      {"attachment gone", [](AttachmentRecord&) {}, id_, 1, false, "attachment is no longer loaded"},
      {"not downloaded", [](AttachmentRecord& a) { a.downloaded = false; }, id_, 0, false,
       "attachment content is not downloaded yet"},
      {"empty", [](AttachmentRecord& a) { a = downloaded("report.pdf", ""); }, id_, 0, false,
       "attachment content is not downloaded yet"},
      {"over 32 MiB", [](AttachmentRecord& a) { a.size = 33'554'433; }, id_, 0, false,
       "report.pdf is too large to save here; open it in Files instead"},
      {"size differs from the content", [](AttachmentRecord& a) { a.size += 1; }, id_, 0, false,
       "attachment metadata no longer matches its downloaded content"},
  };
  for (const auto& [name, vary, id, index, another_save_running, error] : cases) {
    SCOPED_TRACE(name);
    MessageRecord record{.id = id_};
    record.attachments = {downloaded("report.pdf", content_)};
    vary(record.attachments.front());
    state::MessageStore store;
    store.insert(record);
    const auto started = begin_save(store, id, index, another_save_running);
    ASSERT_FALSE(started);
    EXPECT_EQ(started.error(), error);
  }
}

TEST_F(SaveAttachment, BeginRefusesASampleAttachmentWithoutContent) {
  state::MessageStore store;
  for (MessageRecord& record : engine::sample_mailbox().messages) store.insert(std::move(record));
  const auto with_attachment = std::ranges::find_if(
      store.order(), [&](const MessageId& id) { return !store.find(id)->attachments.empty(); });
  ASSERT_NE(with_attachment, store.order().end());

  const auto started = begin_save(store, *with_attachment, 0, false);
  ASSERT_FALSE(started);
  EXPECT_EQ(started.error(), "attachment content is not downloaded yet");
}

TEST_F(SaveAttachment, SavesThroughTheSavePickerUnderACleanedName) {
  const fs::path destination = folder_.path() / "chosen.pdf";
  const auto chooser = std::make_shared<test::ScriptedChooser>(destination);
  const test::ChooserScope scope(chooser);
  MessageRecord record{.id = id_};
  record.attachments = {downloaded("../Q3 report.pdf ", content_)};
  state::MessageStore store;
  store.insert(record);

  auto started = begin_save(store, id_, 0, false);
  ASSERT_TRUE(started) << started.error();
  auto answer = test::settle(started->picker);
  ASSERT_TRUE(std::holds_alternative<portal::SaveAnswer>(answer));
  const SaveOutcome outcome = finish_save(started->pending, std::get<portal::SaveAnswer>(std::move(answer)));

  const auto asked = chooser->asked();
  ASSERT_EQ(asked.size(), 1U);
  EXPECT_EQ(asked[0].kind, portal::PickKind::SaveFile);
  EXPECT_EQ(asked[0].request.title, "Save attachment");
  EXPECT_EQ(asked[0].request.accept_label, "Save");
  EXPECT_EQ(asked[0].request.suggested_name, "Q3 report.pdf");
  EXPECT_EQ(asked[0].request.thread_name, "mail-portal-save-attachment");
  EXPECT_EQ(asked[0].request.filter.patterns, std::vector<std::string>{"*"});
  EXPECT_EQ(outcome.result, SaveResult::Saved);
  EXPECT_EQ(outcome.status, "Saved ../Q3 report.pdf  to " + destination.string());
  EXPECT_EQ(read_file(destination), content_);
  EXPECT_EQ(fs::status(destination).permissions(), fs::perms(0644));
}

TEST_F(SaveAttachment, FinishWritesNothingWithoutADestination) {
  const struct {
    const char* name;
    std::optional<portal::SaveAnswer> answer;
    SaveResult result;
    std::string status;
  } cases[] = {
      {"picker gone", std::nullopt, SaveResult::Failed, "Attachment save picker stopped unexpectedly"},
      {"cancelled", portal::Cancelled{}, SaveResult::Cancelled, "Attachment save cancelled"},
      {"portal error", portal::PortalError{"no file chooser is available without a display"}, SaveResult::Failed,
       "Attachment save unavailable: no file chooser is available without a display"},
  };
  for (const auto& [name, answer, result, status] : cases) {
    SCOPED_TRACE(name);
    const SaveOutcome outcome = finish_save(pending_, answer);
    EXPECT_EQ(outcome.result, result);
    EXPECT_EQ(outcome.status, status);
    EXPECT_TRUE(fs::is_empty(folder_.path()));
  }
}

// A replaced file keeps its readers and writers but never stays executable.
TEST_F(SaveAttachment, FinishReplacesAnExistingRegularFile) {
  const struct {
    fs::perms before;
    fs::perms after;
  } cases[] = {{fs::perms(0600), fs::perms(0600)}, {fs::perms(0755), fs::perms(0644)}};
  for (const auto& [before, after] : cases) {
    const fs::path destination = folder_.path() / "report.pdf";
    write_file(destination, "an older, longer version of the report");
    fs::permissions(destination, before);

    const SaveOutcome outcome = finish_save(pending_, destination);
    EXPECT_EQ(outcome.result, SaveResult::Saved) << outcome.status;
    EXPECT_EQ(read_file(destination), content_);
    EXPECT_EQ(fs::status(destination).permissions(), after);
    EXPECT_EQ(snapshot(folder_.path()).size(), 1U);
  }
}

TEST_F(SaveAttachment, FinishRefusesDestinationsOutsideARegularFolderOrFile) {
  const struct {
    const char* name;
    std::function<fs::path(const fs::path&)> prepare;
    std::string reason;
  } cases[] = {
      {"a symbolic link to a file",
       [](const fs::path& folder) {
         write_file(folder / "elsewhere.pdf", "keep");
         fs::create_symlink(folder / "elsewhere.pdf", folder / "report.pdf");
         return folder / "report.pdf";
       },
       "refusing to overwrite a symbolic-link destination"},
      {"a dangling symbolic link",
       [](const fs::path& folder) {
         fs::create_symlink(folder / "not-yet.pdf", folder / "report.pdf");
         return folder / "report.pdf";
       },
       "refusing to overwrite a symbolic-link destination"},
      {"a folder",
       [](const fs::path& folder) {
         fs::create_directory(folder / "report.pdf");
         return folder / "report.pdf";
       },
       "selected destination is not a regular file"},
      {"a folder reached through a symbolic link",
       [](const fs::path& folder) {
         fs::create_directory(folder / "real");
         fs::create_directory_symlink(folder / "real", folder / "linked");
         return folder / "linked" / "report.pdf";
       },
       "selected destination is outside a regular folder"},
      {"inside a regular file",
       [](const fs::path& folder) {
         write_file(folder / "notes.txt", "keep");
         return folder / "notes.txt" / "report.pdf";
       },
       "selected destination is outside a regular folder"},
      {"inside a missing folder", [](const fs::path& folder) { return folder / "missing" / "report.pdf"; },
       "couldn’t inspect selected folder: No such file or directory"},
      {"without a folder", [](const fs::path&) { return fs::path("orvo-save-test-without-a-folder.pdf"); },
       "selected destination has no parent folder"},
  };
  int number = 0;
  for (const auto& [name, prepare, reason] : cases) {
    SCOPED_TRACE(name);
    const fs::path folder = folder_.path() / std::to_string(++number);
    fs::create_directory(folder);
    const fs::path destination = prepare(folder);
    const auto before = snapshot(folder);

    const SaveOutcome outcome = finish_save(pending_, destination);
    EXPECT_EQ(outcome.result, SaveResult::Failed);
    EXPECT_EQ(outcome.status, "Couldn’t save report.pdf: " + reason);
    EXPECT_EQ(snapshot(folder), before);
  }
}

TEST_F(SaveAttachment, FinishRefusesContentOver32MiB) {
  const std::string content(33'554'433, 'x');
  const PendingSave pending{.message = id_, .attachment = downloaded("big.bin", content)};
  const SaveOutcome outcome = finish_save(pending, folder_.path() / "big.bin");
  EXPECT_EQ(outcome.status, "Couldn’t save big.bin: attachment exceeds the 33554432-byte save limit");
  EXPECT_TRUE(fs::is_empty(folder_.path()));
}

}  // namespace
}  // namespace mail::compose
