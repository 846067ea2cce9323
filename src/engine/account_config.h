#pragma once

#include <cstdint>
#include <string>

namespace mail::engine {

enum class AuthKind : std::uint8_t { Password, OAuth };

// An account's server settings. The password lives only in memory and in the
// secret vault, never in the settings file.
struct StoredConfig {
  std::string display_name;
  std::string email;
  std::string imap_host;
  std::uint16_t imap_port = 993;
  bool imap_tls = true;
  std::string smtp_host;
  std::uint16_t smtp_port = 465;
  bool smtp_tls = true;
  std::string username;
  AuthKind auth = AuthKind::Password;
  std::string password;

  friend bool operator==(const StoredConfig&, const StoredConfig&) = default;
};

// The settings with their password, as every engine request carries them.
using AccountConfig = StoredConfig;

// The name to log in with: the user name, or the address when that is blank.
std::string login_name(const StoredConfig& config);

}  // namespace mail::engine
