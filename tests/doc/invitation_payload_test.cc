#include "doc/invitation_payload.h"

#include <gtest/gtest.h>

#include <string>

#include "draft_fixtures.h"

namespace mail::doc {
namespace {

// A passing payload of exactly `size` bytes, padded inside its event.
std::string payload_of_size(std::size_t size) {
  std::string payload = invitation;
  const std::string marker = "SUMMARY:";
  payload.insert(payload.find(marker) + marker.size(), size - payload.size(), 'x');
  return payload;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

TEST(InvitationPayload, AcceptsOnlyABoundedRequestFrame) {
  std::string line_feeds_only;
  for (char c : invitation) {
    if (c != '\r') line_feeds_only += c;
  }
  const struct {
    const char* name;
    std::string payload;
    bool passes;
  } cases[] = {
      {"a request", invitation, true},
      {"exactly 256 KiB", payload_of_size(262'144), true},
      {"one byte more", payload_of_size(262'145), false},
      {"line feeds alone", line_feeds_only, false},
      {"no line end after END:VCALENDAR", invitation.substr(0, invitation.size() - 2), false},
      {"a PUBLISH", replaced(invitation, "METHOD:REQUEST", "METHOD:PUBLISH"), false},
      {"a method in lower case", replaced(invitation, "METHOD:REQUEST", "method:request"), false},
      {"two events", replaced(invitation, "END:VEVENT\r\n", "END:VEVENT\r\nBEGIN:VEVENT\r\nEND:VEVENT\r\n"), false},
      {"BEGIN:VEVENT once, inside a value", replaced(invitation, "BEGIN:VEVENT\r\n", "X-NOTE:BEGIN:VEVENT\r\n"), true},
      {"no event", replaced(invitation, "BEGIN:VEVENT\r\n", ""), false},
      {"a NUL byte", replaced(invitation, "Planning", std::string("Plan\0ning", 9)), false},
      {"text before the frame", " " + invitation, false},
      {"empty", "", false},
  };
  for (const auto& [name, payload, passes] : cases) EXPECT_EQ(is_invitation_payload(payload), passes) << name;
}

}  // namespace
}  // namespace mail::doc
