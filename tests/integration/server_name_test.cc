#include "platform/net/server_name.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace orvo::net {
namespace {

using namespace std::string_literals;

TEST(ServerName, AcceptsDnsNamesAndAddresses) {
  for (const char* const host :
       {"localhost", "imap.example.com", "IMAP.Example.COM", "mail-1.example.org", "_imaps._tcp.example.com",
        "xn--bcher-kva.example", "127.0.0.1", "::1", "2001:db8::25"}) {
    EXPECT_TRUE(check_server_name(host).has_value()) << host;
  }
}

TEST(ServerName, SaysWhatIsWrongWithAName) {
  const std::string longest_label(63, 'a');
  const struct {
    std::string host;
    std::string reason;
  } cases[] = {
      {"", "empty name"},
      {"imap example.com", "' ' is not allowed"},
      {"imap\n.example.com", "byte 0x0a is not allowed"},
      {"127.0.0.1\0.evil.example"s, "byte 0x00 is not allowed"},
      {"bücher.example", "byte 0xc3 is not allowed"},
      {"[::1]", "'[' is not allowed"},
      {"imap..example.com", "empty label"},
      {"example.com.", "empty label"},
      {"-imap.example.com", "label begins or ends with a hyphen"},
      {"imap-.example.com", "label begins or ends with a hyphen"},
      {longest_label + "a.example", "label longer than 63 characters"},
      {longest_label + "." + longest_label + "." + longest_label + "." + longest_label,
       "name longer than 253 characters"},
      {"10.0.0.300", "not an IP address, and the last label is numeric"},
  };
  for (const auto& [host, reason] : cases) {
    const auto checked = check_server_name(host);
    ASSERT_FALSE(checked.has_value()) << host;
    EXPECT_EQ(checked.error(), reason) << host;
  }
}

}  // namespace
}  // namespace orvo::net
