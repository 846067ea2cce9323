#include "draw/split_lines.h"

#include <gtest/gtest.h>

namespace mail::draw {
namespace {

struct SplitCase {
  std::string_view body;
  std::vector<std::string_view> lines;
};

const SplitCase split_cases[] = {
    {"", {}},
    {"one", {"one"}},
    {"one\n", {"one"}},
    {"\n", {""}},
    {"one\n\ntwo", {"one", "", "two"}},
    {"one\r\ntwo\r\n", {"one", "two"}},
    {"a\rb", {"a\rb"}},
    {"\n\n", {"", ""}},
};

TEST(SplitLines, Table) {
  for (const SplitCase& split : split_cases) {
    SCOPED_TRACE(split.body);
    EXPECT_EQ(split_lines(split.body), split.lines);
  }
}

}  // namespace
}  // namespace mail::draw
