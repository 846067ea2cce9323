#pragma once

#include <optional>
#include <string>

#include "engine/live/token_endpoint.h"

namespace mail::engine::live {

// Posts to a token endpoint over HTTPS with libcurl, giving up after 20 seconds.
class CurlTokenEndpoint final : public TokenEndpoint {
 public:
  // Each provider's public token endpoint.
  CurlTokenEndpoint() = default;
  // Every provider's endpoint at `url`: how a test points the engine at a local server.
  explicit CurlTokenEndpoint(std::string url) : url_(std::move(url)) {}

  std::expected<std::string, std::string> post(OAuthProvider provider, const FormFields& form) override;

 private:
  std::optional<std::string> url_;
};

}  // namespace mail::engine::live
