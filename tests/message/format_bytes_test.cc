#include "platform/format/bytes.h"

#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace orvo::format {
namespace {

TEST(FormatBytes, ReadsAsOneRoundedFigureAndItsUnit) {
  struct Row {
    std::uint64_t count;
    std::string text;
  };
  for (const Row& row : {
           Row{0, "0 B"},
           Row{1023, "1023 B"},
           Row{1024, "1 KB"},
           Row{1536, "1.5 KB"},
           Row{9'204, "9 KB"},
           Row{10'188, "9.9 KB"},
           Row{10'239, "10 KB"},
           Row{28'716, "28 KB"},
           Row{184'320, "180 KB"},
           Row{512'000, "500 KB"},
           Row{1'048'575, "1 MB"},
           Row{33'554'432, "32 MB"},
           Row{5'905'580'032, "5.5 GB"},
           Row{std::numeric_limits<std::uint64_t>::max(), "16 EB"},
       }) {
    EXPECT_EQ(bytes(row.count), row.text) << row.count;
  }
}

}  // namespace
}  // namespace orvo::format
