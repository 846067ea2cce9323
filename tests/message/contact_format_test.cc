#include "message/contact_format.h"

#include <gtest/gtest.h>

namespace mail::message {
namespace {

TEST(FormatContact, ShowsTheNameBeforeTheAddressWhenThereIsOne) {
  EXPECT_EQ(format_contact({"mira@example.org", "Mira Quell"}), "Mira Quell <mira@example.org>");
  EXPECT_EQ(format_contact({"mira@example.org", std::nullopt}), "mira@example.org");
  EXPECT_EQ(format_contact({"mira@example.org", ""}), "mira@example.org");
  EXPECT_EQ(format_contact({"unknown@unknown"}), "unknown@unknown");
}

}  // namespace
}  // namespace mail::message
