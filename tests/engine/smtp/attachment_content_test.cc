#include "engine/smtp/attachment_content.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "attachment_store_test.h"

namespace mail::engine::smtp {
namespace {

using message::DraftAttachment;

const std::string pdf_bytes = std::string("%PDF-1.4\n\0\xff\xfe binary\r\n%%EOF", 26);

std::string repeated(std::string_view piece, std::size_t times) {
  std::string text;
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

std::string key_of(const DraftAttachment& attachment) {
  return attachment.content_id.substr(attachment.content_id.rfind(':') + 1);
}

std::string upper_case(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

class LoadAttachmentContent : public test::AttachmentStoreTest {
 protected:
  [[nodiscard]] std::filesystem::path entry_file(const DraftAttachment& attachment) const {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_.path())) {
      if (entry.path().filename() == key_of(attachment)) return entry.path();
    }
    return {};
  }

  const DraftAttachment staged_ = stage(pdf_bytes, "report.pdf");
};

TEST_F(LoadAttachmentContent, ReturnsTheStoredBytesOfAValidRecord) {
  const struct {
    const char* name;
    std::function<void(DraftAttachment&)> vary;
  } cases[] = {
      {"as staged", [](DraftAttachment&) {}},
      {"key in upper case",
       [](DraftAttachment& a) { a.content_id = "mail-attachment:blake3:" + upper_case(key_of(a)); }},
      {"name of 180 two-byte characters", [](DraftAttachment& a) { a.filename = repeated("é", 180); }},
      {"type of 127 characters", [](DraftAttachment& a) { a.mime = "application/" + std::string(115, 'x'); }},
  };
  for (const auto& [name, vary] : cases) {
    SCOPED_TRACE(name);
    DraftAttachment attachment = staged_;
    vary(attachment);
    EXPECT_EQ(load_attachment_content(store_, attachment), pdf_bytes);
  }
}

TEST_F(LoadAttachmentContent, RefusesInvalidMetadata) {
  const struct {
    const char* name;
    std::function<void(DraftAttachment&)> damage;
  } cases[] = {
      {"empty name", [](DraftAttachment& a) { a.filename.clear(); }},
      {"name of 181 characters", [](DraftAttachment& a) { a.filename = repeated("é", 181); }},
      {"slash in the name", [](DraftAttachment& a) { a.filename = "../report.pdf"; }},
      {"backslash in the name", [](DraftAttachment& a) { a.filename = "..\\report.pdf"; }},
      {"line break in the name", [](DraftAttachment& a) { a.filename = "report\n.pdf"; }},
      {"C1 control character in the name", [](DraftAttachment& a) { a.filename = "report\u0085.pdf"; }},
      {"name that is not UTF-8", [](DraftAttachment& a) { a.filename = "report\xff.pdf"; }},
      {"type without a slash", [](DraftAttachment& a) { a.mime = "pdf"; }},
      {"type with nothing before the slash", [](DraftAttachment& a) { a.mime = "/pdf"; }},
      {"type of 128 characters", [](DraftAttachment& a) { a.mime = "application/" + std::string(116, 'x'); }},
      {"type with a header after a line break", [](DraftAttachment& a) { a.mime = "text/plain\r\nBcc: x@x.org"; }},
      {"type with a blank", [](DraftAttachment& a) { a.mime = "application/ pdf"; }},
      {"size above 32 MiB", [](DraftAttachment& a) { a.size = 33'554'433; }},
  };
  for (const auto& [name, damage] : cases) {
    SCOPED_TRACE(name);
    DraftAttachment attachment = staged_;
    damage(attachment);
    EXPECT_EQ(load_attachment_content(store_, attachment),
              std::unexpected("attachment " + attachment.filename + " has invalid metadata"));
  }
}

TEST_F(LoadAttachmentContent, RefusesAMalformedContentIdentity) {
  const std::string key = key_of(staged_);
  for (const std::string& content_id :
       {key, "mail-attachment:sha256:" + key, "mail-attachment:blake3:" + key.substr(1),
        "mail-attachment:blake3:" + key + "0", "mail-attachment:blake3:g" + key.substr(1),
        "mail-attachment:blake3:../" + key.substr(3)}) {
    SCOPED_TRACE(content_id);
    DraftAttachment attachment = staged_;
    attachment.content_id = content_id;
    EXPECT_EQ(load_attachment_content(store_, attachment),
              std::unexpected("attachment report.pdf has invalid content identity"));
  }
}

TEST_F(LoadAttachmentContent, ReportsContentThatIsNotStoredHere) {
  std::filesystem::remove(entry_file(staged_));
  EXPECT_EQ(load_attachment_content(store_, staged_),
            std::unexpected("attachment report.pdf is not available on this device yet"));
}

TEST_F(LoadAttachmentContent, RefusesContentThatDoesNotMatchItsRecord) {
  const struct {
    const char* name;
    std::function<void(DraftAttachment&, const std::filesystem::path&)> damage;
  } cases[] = {
      {"size one byte larger", [](DraftAttachment& a, const auto&) { ++a.size; }},
      {"size one byte smaller", [](DraftAttachment& a, const auto&) { --a.size; }},
      {"entry changed on disk",
       [](DraftAttachment&, const auto& entry) { std::ofstream(entry, std::ios::binary | std::ios::trunc) << "%PDF"; }},
  };
  for (const auto& [name, damage] : cases) {
    SCOPED_TRACE(name);
    DraftAttachment attachment = stage(pdf_bytes, "report.pdf");
    damage(attachment, entry_file(attachment));
    EXPECT_EQ(load_attachment_content(store_, attachment),
              std::unexpected("attachment report.pdf failed integrity validation"));
  }
}

}  // namespace
}  // namespace mail::engine::smtp
