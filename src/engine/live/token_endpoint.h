#pragma once

#include <expected>
#include <string>
#include <utility>
#include <vector>

#include "engine/engine_request.h"

namespace mail::engine::live {

// Name and value pairs, sent in this order.
using FormFields = std::vector<std::pair<std::string, std::string>>;

// A provider's OAuth token endpoint, behind which the network can be replaced.
class TokenEndpoint {
 public:
  virtual ~TokenEndpoint() = default;

  // Posts `form` as application/x-www-form-urlencoded and returns the body of the
  // answer whatever its HTTP status, since a refusal explains itself there; an error
  // only when no answer came.
  virtual std::expected<std::string, std::string> post(OAuthProvider provider, const FormFields& form) = 0;
};

}  // namespace mail::engine::live
