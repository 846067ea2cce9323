#include "integration/test_certificates.h"

#include <fmt/format.h>

#include <ranges>
#include <string_view>
#include <vector>

#include "integration/child_process.h"
#include "platform/storage/atomic_file.h"

namespace orvo::test_servers {
namespace {

using Step = std::expected<void, std::string>;

constexpr std::string_view server_extensions =
    "basicConstraints=CA:FALSE\n"
    "keyUsage=critical,digitalSignature\n"
    "extendedKeyUsage=serverAuth\n"
    "subjectAltName=DNS:localhost,IP:127.0.0.1\n";

constexpr std::string_view wrong_name_extensions =
    "basicConstraints=CA:FALSE\n"
    "keyUsage=critical,digitalSignature\n"
    "extendedKeyUsage=serverAuth\n"
    "subjectAltName=DNS:other.example\n";

// `openssl ca` is the only command of OpenSSL 3.0 that sets a validity period wholly
// in the past; it keeps a small database of what it signed.
constexpr std::string_view past_signer_config =
    "[ca]\n"
    "default_ca = test\n"
    "[test]\n"
    "database = issued.txt\n"
    "serial = serial.txt\n"
    "new_certs_dir = .\n"
    "default_md = sha256\n"
    "policy = any_name\n"
    "unique_subject = no\n"
    "[any_name]\n"
    "commonName = supplied\n";

enum class Signer : unsigned char { TestCa, RogueCa, TestCaInThePast };

struct Leaf {
  std::string_view name;
  std::string_view common_name;
  std::string_view extensions;
  Signer signer;
};

constexpr Leaf leaves[] = {
    {"server", "localhost", server_extensions, Signer::TestCa},
    {"untrusted", "localhost", server_extensions, Signer::RogueCa},
    {"expired", "localhost", server_extensions, Signer::TestCaInThePast},
    {"wrong-name", "other.example", wrong_name_extensions, Signer::TestCa},
};

// P-256 keys take milliseconds to make where RSA keys take a good part of a second.
constexpr std::string_view new_key = "-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes";

// Runs openssl with the words of `command`, whose file names are relative to `folder`.
Step openssl(const std::filesystem::path& folder, std::string_view command) {
  std::vector<std::string> arguments = {"openssl"};
  for (const auto word : std::views::split(command, ' ')) arguments.emplace_back(word.begin(), word.end());
  if (auto ran = run_command(arguments, folder); !ran) return std::unexpected(ran.error());
  return {};
}

Step make_ca(const std::filesystem::path& folder, std::string_view name) {
  return openssl(folder, fmt::format("req -x509 {0} -days 7 -subj /CN={1} -addext basicConstraints=critical,CA:TRUE "
                                     "-addext keyUsage=critical,keyCertSign,cRLSign -keyout {1}.key -out {1}.pem",
                                     new_key, name));
}

Step prepare_past_signer(const std::filesystem::path& folder) {
  const std::pair<std::string_view, std::string_view> files[] = {
      {"past-signer.cnf", past_signer_config}, {"issued.txt", ""}, {"serial.txt", "1000\n"}};
  for (const auto& [file, text] : files) {
    if (auto written = atomic_file::write(folder / file, text); !written) return written;
  }
  return {};
}

std::string signing_command(const Leaf& leaf) {
  if (leaf.signer == Signer::TestCaInThePast) {
    return fmt::format(
        "ca -batch -notext -config past-signer.cnf -cert ca.pem -keyfile ca.key "
        "-startdate 20200101000000Z -enddate 20200201000000Z -in {0}.csr -extfile {0}.ext -out {0}.pem",
        leaf.name);
  }
  return fmt::format(
      "x509 -req -days 7 -CA {1}.pem -CAkey {1}.key -CAcreateserial -in {0}.csr -extfile {0}.ext "
      "-out {0}.pem",
      leaf.name, leaf.signer == Signer::TestCa ? "ca" : "rogue-ca");
}

Step make_leaf(const std::filesystem::path& folder, const Leaf& leaf) {
  auto requested = openssl(
      folder, fmt::format("req {0} -subj /CN={1} -keyout {2}.key -out {2}.csr", new_key, leaf.common_name, leaf.name));
  if (!requested) return requested;
  const auto extensions = folder / (std::string(leaf.name) + ".ext");
  if (auto written = atomic_file::write(extensions, leaf.extensions); !written) return written;
  return openssl(folder, signing_command(leaf));
}

Step make_all(const std::filesystem::path& folder) {
  for (const std::string_view ca : {"ca", "rogue-ca"}) {
    if (auto made = make_ca(folder, ca); !made) return made;
  }
  if (auto prepared = prepare_past_signer(folder); !prepared) return prepared;
  for (const Leaf& leaf : leaves) {
    if (auto made = make_leaf(folder, leaf); !made) return made;
  }
  return {};
}

}  // namespace

std::expected<TestCertificates, std::string> TestCertificates::create() {
  auto folder = storage::TempFolder::create("orvo-test-pki-");
  if (!folder) return std::unexpected(folder.error());
  if (auto made = make_all(folder->path()); !made) {
    return std::unexpected("could not make the test certificates: " + made.error());
  }
  return TestCertificates(std::move(*folder));
}

std::filesystem::path TestCertificates::ca() const { return folder_.path() / "ca.pem"; }

CertificateFiles TestCertificates::server() const { return files("server"); }

CertificateFiles TestCertificates::untrusted() const { return files("untrusted"); }

CertificateFiles TestCertificates::expired() const { return files("expired"); }

CertificateFiles TestCertificates::wrong_name() const { return files("wrong-name"); }

CertificateFiles TestCertificates::files(std::string_view name) const {
  const std::string base(name);
  return {.certificate = folder_.path() / (base + ".pem"), .key = folder_.path() / (base + ".key")};
}

}  // namespace orvo::test_servers
