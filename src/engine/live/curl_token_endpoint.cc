#include "engine/live/curl_token_endpoint.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

#include "engine/live/oauth_provider.h"

namespace mail::engine::live {
namespace {

constexpr long timeout_seconds = 20;
// A token answer is a few hundred bytes; anything near this is no token answer.
constexpr std::size_t max_answer_size = 1024 * 1024;

struct EasyCleanup {
  void operator()(CURL* easy) const { ::curl_easy_cleanup(easy); }
};
using Easy = std::unique_ptr<CURL, EasyCleanup>;

struct Answer {
  std::string body;
  bool too_large = false;
};

std::size_t collect(char* data, std::size_t size, std::size_t count, void* answer_pointer) {
  auto& answer = *static_cast<Answer*>(answer_pointer);
  const std::size_t bytes = size * count;
  if (answer.body.size() + bytes > max_answer_size) {
    answer.too_large = true;
    return 0;  // makes curl stop with an error
  }
  answer.body.append(data, bytes);
  return bytes;
}

// curl's escaping leaves letters, digits and "-._~" alone and writes every other byte
// as %XX, which is what a form body needs.
std::expected<std::string, std::string> form_body(CURL* easy, const FormFields& form) {
  std::string body;
  for (const auto& [name, value] : form) {
    const std::unique_ptr<char, decltype(&::curl_free)> escaped(
        ::curl_easy_escape(easy, value.data(), static_cast<int>(value.size())), &::curl_free);
    if (!escaped) return std::unexpected("could not encode the token request");
    body += (body.empty() ? "" : "&") + name + "=" + escaped.get();
  }
  return body;
}

// curl must be set up once per process before any handle is made, and that setup is
// not safe to run on two threads at once.
void set_up_curl() {
  static std::once_flag once;
  std::call_once(once, [] { ::curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

std::expected<std::string, std::string> CurlTokenEndpoint::post(OAuthProvider provider, const FormFields& form) {
  set_up_curl();
  const Easy easy(::curl_easy_init());
  if (!easy) return std::unexpected("could not start an HTTP request");
  const auto body = form_body(easy.get(), form);
  if (!body) return std::unexpected(body.error());
  const std::string url = url_.value_or(std::string(public_token_url(provider)));
  Answer answer;
  char error[CURL_ERROR_SIZE] = "";
  ::curl_easy_setopt(easy.get(), CURLOPT_URL, url.c_str());
  ::curl_easy_setopt(easy.get(), CURLOPT_PROTOCOLS_STR, "http,https");
  ::curl_easy_setopt(easy.get(), CURLOPT_POSTFIELDS, body->c_str());
  ::curl_easy_setopt(easy.get(), CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body->size()));
  ::curl_easy_setopt(easy.get(), CURLOPT_TIMEOUT, timeout_seconds);
  // Timeouts by signal would reach whichever thread the signal lands on.
  ::curl_easy_setopt(easy.get(), CURLOPT_NOSIGNAL, 1L);
  ::curl_easy_setopt(easy.get(), CURLOPT_WRITEFUNCTION, collect);
  ::curl_easy_setopt(easy.get(), CURLOPT_WRITEDATA, &answer);
  ::curl_easy_setopt(easy.get(), CURLOPT_ERRORBUFFER, error);
  const CURLcode result = ::curl_easy_perform(easy.get());
  if (answer.too_large) return std::unexpected("the token endpoint's answer is too large");
  if (result != CURLE_OK) return std::unexpected(error[0] != '\0' ? error : ::curl_easy_strerror(result));
  return std::move(answer.body);
}

}  // namespace mail::engine::live
