// The composer's format preference and the account settings object: the small JSON
// documents the program reads strictly and writes in one fixed form.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/storage/temp_folder.h"
#include "state/local_preferences.h"
#include "state/stored_config_json.h"

namespace mail::state {
namespace {

namespace fs = std::filesystem;
using ::testing::StartsWith;

std::string read_file(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

class ComposeFormatPreference : public ::testing::Test {
 protected:
  orvo::storage::TempFolder root_ = orvo::storage::TempFolder::create("orvo-preferences-test-").value();
  const fs::path folder_ = root_.path() / "config" / "orvo-mail";
  const fs::path file_ = folder_ / "mail-local.json";
};

TEST_F(ComposeFormatPreference, SavesCompactlyIntoANewFolderAndReadsBack) {
  const struct {
    ComposeFormat format;
    std::string bytes;
  } cases[] = {{ComposeFormat::RichText, R"({"compose_format":"html"})"},
               {ComposeFormat::PlainText, R"({"compose_format":"text"})"}};
  for (const auto& [format, bytes] : cases) {
    SCOPED_TRACE(bytes);
    ASSERT_TRUE(save_compose_format(folder_, format));
    EXPECT_EQ(read_file(file_), bytes);
    EXPECT_EQ(load_compose_format(folder_), format);
  }
}

TEST_F(ComposeFormatPreference, IsRichTextOnlyForExactlyHtml) {
  const struct {
    const char* text;
    ComposeFormat format;
  } cases[] = {
      {R"({"compose_format":"html"})", ComposeFormat::RichText},
      {R"({"compose_format":"html","other":1})", ComposeFormat::RichText},
      {R"({"compose_format":"HTML"})", ComposeFormat::PlainText},
      {R"({"compose_format":"html","compose_format":"html"})", ComposeFormat::PlainText},
      {R"({"compose_format":true})", ComposeFormat::PlainText},
      {R"({"other":"html"})", ComposeFormat::PlainText},
      {R"(["html"])", ComposeFormat::PlainText},
      {R"({"compose_format":"html")", ComposeFormat::PlainText},
  };
  fs::create_directories(folder_);
  for (const auto& [text, format] : cases) {
    SCOPED_TRACE(text);
    std::ofstream(file_, std::ios::binary | std::ios::trunc) << text;
    EXPECT_EQ(load_compose_format(folder_), format);
  }
  fs::remove(file_);
  EXPECT_EQ(load_compose_format(folder_), ComposeFormat::PlainText);
}

TEST_F(ComposeFormatPreference, WithoutAFolderNothingIsReadOrWritten) {
  EXPECT_TRUE(save_compose_format(std::nullopt, ComposeFormat::RichText));
  EXPECT_EQ(load_compose_format(std::nullopt), ComposeFormat::PlainText);
  EXPECT_TRUE(fs::is_empty(root_.path()));
}

TEST_F(ComposeFormatPreference, ReportsAFolderThatCannotBeMade) {
  const fs::path blocked = root_.path() / "blocked";
  std::ofstream(blocked) << "a file where the folder should be";

  const auto saved = save_compose_format(blocked / "orvo-mail", ComposeFormat::RichText);
  ASSERT_FALSE(saved);
  EXPECT_THAT(saved.error(), StartsWith("Compose format changed, but could not save that preference: could not create "));
  EXPECT_EQ(read_file(blocked), "a file where the folder should be");
}

TEST(StoredSettingsText, ReadsTheObjectAndRefusesAKeyGivenTwice) {
  const std::string text =
      R"({"display_name":"Ada","email":"ada@example.org","imap_host":"imap.example.org","imap_port":993,)"
      R"("imap_tls":true,"smtp_host":"smtp.example.org","smtp_port":465,"smtp_tls":true,"username":"",)"
      R"("auth":"OAuth")";
  const auto read = settings_from_text(text + "}");
  ASSERT_TRUE(read) << read.error();
  EXPECT_EQ(read->config.auth, engine::AuthKind::OAuth);
  EXPECT_EQ(read->config.email, "ada@example.org");

  EXPECT_EQ(settings_from_text(text + R"(,"auth":"Password"})").error(), R"(duplicate key "auth" in a JSON object)");
  EXPECT_FALSE(settings_from_text(text));
}

}  // namespace
}  // namespace mail::state
