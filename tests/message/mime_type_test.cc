#include "message/mime_type.h"

#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace mail::message {
namespace {

TEST(MimeTypeFor, LooksUpTheTextAfterTheLastDotInAnyCase) {
  struct Row {
    std::string_view filename;
    std::string mime_type;
  };
  for (const Row& row : {
           Row{"rollout-gantt.pdf", "application/pdf"},
           Row{"ROLLOUT-GANTT.PDF", "application/pdf"},
           Row{"Photo.JpEg", "image/jpeg"},
           Row{"build-4821.log", "text/plain"},
           Row{"sources.tar.gz", "application/gzip"},
           Row{"sources.tar", "application/x-tar"},
           Row{"minutes.docx", "application/msword"},
           Row{"budget.xlsx", "application/vnd.ms-excel"},
           Row{"pdf", "application/pdf"},
           Row{"README", "application/octet-stream"},
           Row{"trailing.", "application/octet-stream"},
           Row{".json", "application/json"},
           Row{"archive.pdf.exe", "application/octet-stream"},
           Row{"", "application/octet-stream"},
       }) {
    EXPECT_EQ(mime_type_for(row.filename), row.mime_type) << row.filename;
  }
}

}  // namespace
}  // namespace mail::message
