#pragma once

#include <expected>
#include <filesystem>
#include <string>

#include "platform/storage/temp_folder.h"

namespace orvo::test_servers {

struct CertificateFiles {
  std::filesystem::path certificate;
  std::filesystem::path key;
};

// A throwaway PKI made with the openssl command line in a temporary folder, so that
// no key is ever committed. Every server certificate names localhost and 127.0.0.1
// unless said otherwise.
class TestCertificates {
 public:
  static std::expected<TestCertificates, std::string> create();

  // The test CA, which a client trusts only through an explicit extra trust anchor.
  [[nodiscard]] std::filesystem::path ca() const;

  // Signed by the test CA.
  [[nodiscard]] CertificateFiles server() const;
  // Signed by a CA nobody trusts.
  [[nodiscard]] CertificateFiles untrusted() const;
  // Signed by the test CA, valid only in January 2020.
  [[nodiscard]] CertificateFiles expired() const;
  // Signed by the test CA for other.example only.
  [[nodiscard]] CertificateFiles wrong_name() const;

 private:
  explicit TestCertificates(storage::TempFolder folder) : folder_(std::move(folder)) {}
  [[nodiscard]] CertificateFiles files(std::string_view name) const;

  storage::TempFolder folder_;
};

}  // namespace orvo::test_servers
