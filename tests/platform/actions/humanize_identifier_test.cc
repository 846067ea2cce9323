#include "platform/actions/humanize_identifier.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace orvo::actions {
namespace {

TEST(HumanizeIdentifier, MakesAReadableLabel) {
  const std::vector<std::pair<const char*, const char*>> cases{
      {"SetRead", "Set read"},
      {"RefreshCurrentFolder", "Refresh current folder"},
      {"set_read", "Set read"},
      {"mark-messages-read", "Mark messages read"},
      {"HTMLBody", "HTML body"},
      {"saveAsPDF", "Save as PDF"},
      {"Version2Draft", "Version2 draft"},
      {"__Move__", "Move"},
      {"", ""},
  };
  for (const auto& [identifier, label] : cases) EXPECT_EQ(humanize_identifier(identifier), label) << identifier;
}

}  // namespace
}  // namespace orvo::actions
