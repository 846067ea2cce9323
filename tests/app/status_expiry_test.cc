#include "app/status_expiry.h"

#include <gtest/gtest.h>

namespace mail::app {
namespace {

using namespace std::chrono_literals;

TEST(StatusExpiry, ShowsEachTextForThreeAndAHalfSecondsFromItsLastChange) {
  StatusExpiry expiry;
  const orvo::ui::Instant start{};
  EXPECT_FALSE(expiry.expired("Archived 3 messages", start));
  EXPECT_EQ(expiry.deadline(), start + 3500ms);
  EXPECT_FALSE(expiry.expired("Archived 3 messages", start + 3499ms));
  EXPECT_FALSE(expiry.expired("Syncing\u2026", start + 2s));  // a new text starts again
  EXPECT_FALSE(expiry.expired("Syncing\u2026", start + 5499ms));
  EXPECT_TRUE(expiry.expired("Syncing\u2026", start + 5500ms));
  EXPECT_FALSE(expiry.deadline().has_value());
  EXPECT_FALSE(expiry.expired(std::nullopt, start + 9s));
  EXPECT_FALSE(expiry.deadline().has_value());
}

}  // namespace
}  // namespace mail::app
