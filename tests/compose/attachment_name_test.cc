#include "compose/attachment_name.h"

#include <gtest/gtest.h>

#include <string>

namespace mail::compose {
namespace {

std::string repeated(std::string_view piece, std::size_t times) {
  std::string text;
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

struct NameCase {
  const char* name;
  std::string given;
  std::string expected;
};

TEST(StagedFileName, KeepsOnlyASafeLastComponent) {
  const NameCase cases[] = {
      {"parent folder", "../report.pdf", "report.pdf"},
      {"backslashes", "C:\\Users\\me\\notes.txt", "notes.txt"},
      {"up", "..", "attachment"},
      {"here", ".", "attachment"},
      {"up with blanks", " .. ", "attachment"},
      {"a folder", "photos/", "attachment"},
      {"control characters", "re\tport\x7f\u0085.pdf", "report.pdf"},
      {"surrounding white space", "\u2003 report.pdf \n", "report.pdf"},
      {"not UTF-8", "report\xff.pdf", "report\uFFFD.pdf"},
      {"200 characters", repeated("é", 200), repeated("é", 180)},
      {"cut, then trimmed", repeated("a", 179) + "  tail", repeated("a", 179)},
  };
  for (const auto& [name, given, expected] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(staged_file_name(given), expected);
  }
}

TEST(SuggestedSaveName, KeepsOnlyASafeLastComponentOfAtMost240Bytes) {
  const NameCase cases[] = {
      {"path", "../../etc/passwd", "passwd"},
      {"backslashes", "..\\boot.ini", "boot.ini"},
      {"surrounding white space", "  notes.txt\t", "notes.txt"},
      {"line break inside", "a\r\nb.txt", "ab.txt"},
      {"C1 control character", "a\u009bb.txt", "ab.txt"},
      {"empty", "", "attachment"},
      {"up, within control characters", "\x01..\x02", "attachment"},
      {"241 bytes", repeated("a", 241), repeated("a", 240)},
      {"cut between characters", "x" + repeated("é", 120), "x" + repeated("é", 119)},
  };
  for (const auto& [name, given, expected] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(suggested_save_name(given), expected);
  }
}

}  // namespace
}  // namespace mail::compose
