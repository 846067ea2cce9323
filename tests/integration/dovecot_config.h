#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "integration/test_certificates.h"

namespace orvo::test_servers {

// Every account has these, created on first use.
inline constexpr std::array<std::string_view, 6> standard_mailboxes = {"INBOX",   "Sent",  "Drafts",
                                                                       "Archive", "Trash", "Junk"};

// Where one test instance keeps its files, all below one folder.
struct DovecotPaths {
  std::filesystem::path root;

  [[nodiscard]] std::filesystem::path config() const { return root / "dovecot.conf"; }
  [[nodiscard]] std::filesystem::path oauth2_config() const { return root / "oauth2.conf.ext"; }
  [[nodiscard]] std::filesystem::path users() const { return root / "users"; }
  [[nodiscard]] std::filesystem::path mail() const { return root / "mail"; }
  [[nodiscard]] std::filesystem::path log() const { return root / "dovecot.log"; }
};

struct DovecotSetup {
  DovecotPaths paths;
  CertificateFiles identity;
  std::uint16_t imap_port = 0;   // plain, with STARTTLS
  std::uint16_t imaps_port = 0;  // implicit TLS
  // Where XOAUTH2 and OAUTHBEARER tokens are checked; empty leaves OAuth logins off.
  std::string oauth_introspection_url;
};

// The whole configuration of a test instance: nothing from /etc/dovecot is read.
std::string dovecot_config(const DovecotSetup& setup);

// The settings of the oauth2 passdb, which asks the endpoint about each token.
std::string oauth2_config(std::string_view introspection_url);

}  // namespace orvo::test_servers
