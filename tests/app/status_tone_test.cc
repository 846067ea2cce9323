#include "app/status_tone.h"

#include <gtest/gtest.h>

namespace mail::app {
namespace {

TEST(StatusTone, FirstMatchingRuleWins) {
  const std::pair<std::string_view, int> cases[] = {
      {"Sync FAILED: timeout", 3},
      {"Couldn\u2019t save account: disk full", 3},
      {"You\u2019re offline \u00b7 Showing downloaded mail", 2},
      {"The web engine isn't available", 2},
      {"Syncing Inbox\u2026", 0},
      {"Connecting\u2026", 0},
      {"Archived 3 messages", 1},
      {"", 1},
  };
  for (const auto& [text, tone] : cases) {
    EXPECT_EQ(status_tone(text), tone) << text;
  }
}

}  // namespace
}  // namespace mail::app
