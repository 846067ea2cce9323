#include "actions/id_list.h"

#include <gtest/gtest.h>

namespace mail::actions {
namespace {

using Ids = std::vector<std::string>;

std::string repeated(std::string_view piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

TEST(NormalizeIds, TrimsDropsAndKeepsOrder) {
  const std::string longest = repeated("x", 128);
  const std::string accented = repeated("é", 128);  // 128 characters in 256 bytes
  const struct {
    Ids given;
    Ids taken;
  } cases[] = {
      {{" b ", "a", "b", "\ta\n"}, {"b", "a"}},
      {{"", "   ", "c"}, {"c"}},
      {{longest, repeated("y", 129), accented}, {longest, accented}},
  };
  for (const auto& c : cases) EXPECT_EQ(normalize_ids(c.given), c.taken);
}

TEST(NormalizeIds, StopsAfter256DistinctIds) {
  Ids given;
  for (int i = 0; i < 300; ++i) given.push_back(std::to_string(i % 280));
  const Ids taken = normalize_ids(given);
  ASSERT_EQ(taken.size(), 256u);
  EXPECT_EQ(taken.back(), "255");
}

}  // namespace
}  // namespace mail::actions
