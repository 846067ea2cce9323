#include "engine/live/oauth_provider.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <span>

#include "message/ascii.h"

namespace mail::engine::live {
namespace {

struct ProviderFacts {
  OAuthProvider provider;
  std::span<const std::string_view> domains;
  std::string_view client_id_variable;
  std::string_view token_url;
};

constexpr std::array<std::string_view, 2> google_domains{"gmail.com", "googlemail.com"};
constexpr std::array<std::string_view, 5> microsoft_domains{"outlook.com", "hotmail.com", "live.com", "office365.com",
                                                            "msn.com"};

constexpr std::array providers{
    ProviderFacts{OAuthProvider::Google, google_domains, "ORVO_MAIL_GOOGLE_CLIENT_ID",
                  "https://oauth2.googleapis.com/token"},
    ProviderFacts{OAuthProvider::Microsoft, microsoft_domains, "ORVO_MAIL_MICROSOFT_CLIENT_ID",
                  "https://login.microsoftonline.com/common/oauth2/v2.0/token"},
};

const ProviderFacts& facts(OAuthProvider provider) {
  return *std::ranges::find(providers, provider, &ProviderFacts::provider);
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, {}, message::ascii_lower, message::ascii_lower);
}

}  // namespace

std::optional<OAuthProvider> provider_for_address(std::string_view email) {
  const auto at = email.rfind('@');
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view domain = email.substr(at + 1);
  for (const ProviderFacts& candidate : providers) {
    if (std::ranges::any_of(candidate.domains,
                            [&](std::string_view known) { return equal_ignoring_case(domain, known); })) {
      return candidate.provider;
    }
  }
  return std::nullopt;
}

std::string_view client_id_variable(OAuthProvider provider) { return facts(provider).client_id_variable; }

std::optional<std::string> configured_client_id(OAuthProvider provider) {
  const char* const value = std::getenv(std::string(client_id_variable(provider)).c_str());
  if (value == nullptr || *value == '\0') return std::nullopt;
  return value;
}

std::string_view public_token_url(OAuthProvider provider) { return facts(provider).token_url; }

}  // namespace mail::engine::live
