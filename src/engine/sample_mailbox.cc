#include "engine/sample_mailbox.h"

namespace mail::engine {
namespace {

// A placeholder, never a usable credential.
constexpr const char* placeholder_password = "********";

AccountConfig sample_account(std::string display_name, std::string email, std::string domain,
                             std::uint16_t smtp_port) {
  return AccountConfig{.display_name = std::move(display_name),
                       .email = email,
                       .imap_host = "imap." + domain,
                       .imap_port = 993,
                       .imap_tls = true,
                       .smtp_host = "smtp." + domain,
                       .smtp_port = smtp_port,
                       .smtp_tls = true,
                       .username = email,
                       .auth = AuthKind::Password,
                       .password = placeholder_password};
}

}  // namespace

std::vector<AccountConfig> sample_accounts() {
  return {sample_account("You", "you@orvo.example", "orvo.example", 465),
          sample_account("You at Lumen Works", "you@lumenworks.example", "lumenworks.example", 587)};
}

}  // namespace mail::engine
