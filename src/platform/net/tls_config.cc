#include "platform/net/tls_config.h"

#include <openssl/ssl.h>

#include <exception>

#include "platform/net/tls_config_impl.h"

namespace orvo::net {
namespace {

std::unexpected<std::string> failure(std::string_view what, const asio::error_code& error) {
  return std::unexpected(std::string(what) + ": " + error.message());
}

std::expected<void, std::string> trust(asio::ssl::context& context, const std::optional<std::filesystem::path>& extra) {
  asio::error_code error;
  context.set_default_verify_paths(error);
  if (error) return failure("could not load the system's trusted certificates", error);
  if (extra) context.load_verify_file(extra->string(), error);
  if (error) return failure("could not load the trust anchor " + extra->string(), error);
  return {};
}

std::expected<void, std::string> insist_on_verification(asio::ssl::context& context) {
  asio::error_code error;
  context.set_verify_mode(asio::ssl::verify_peer, error);
  if (error) return failure("could not turn on certificate verification", error);
  if (::SSL_CTX_set_min_proto_version(context.native_handle(), TLS1_2_VERSION) != 1) {
    return std::unexpected("could not require TLS 1.2 or newer");
  }
  return {};
}

}  // namespace

std::expected<TlsConfig, std::string> TlsConfig::create() { return build(std::nullopt); }

std::expected<TlsConfig, std::string> TlsConfig::with_extra_trust_anchor(const std::filesystem::path& ca_pem) {
  return build(ca_pem);
}

std::expected<TlsConfig, std::string> TlsConfig::build(const std::optional<std::filesystem::path>& extra_anchor) {
  std::shared_ptr<Impl> impl;
  try {
    impl = std::make_shared<Impl>();
  } catch (const std::exception& error) {
    return std::unexpected(std::string("could not set up TLS: ") + error.what());
  }
  if (auto trusted = trust(impl->context, extra_anchor); !trusted) return std::unexpected(trusted.error());
  if (auto verifying = insist_on_verification(impl->context); !verifying) return std::unexpected(verifying.error());
  return TlsConfig(std::move(impl));
}

}  // namespace orvo::net
