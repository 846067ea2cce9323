#include "integration/token_endpoint_server.h"

#include <sys/socket.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

namespace orvo::test_servers {
namespace {

constexpr std::size_t max_request_size = 64 * 1024;

std::string lower_case(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::size_t content_length(const std::string& head) {
  constexpr std::string_view field = "\r\ncontent-length: ";
  const std::string lower = lower_case(head);
  const std::size_t at = lower.find(field);
  std::size_t length = 0;
  if (at != std::string::npos) std::from_chars(lower.data() + at + field.size(), lower.data() + lower.size(), length);
  return length;
}

// The body of one request, read by its Content-Length.
std::optional<std::string> read_body(int connection) {
  std::string data;
  std::size_t head_end = std::string::npos;
  while (data.size() <= max_request_size) {
    head_end = data.find("\r\n\r\n");
    if (head_end != std::string::npos && data.size() >= head_end + 4 + content_length(data.substr(0, head_end + 2))) {
      return data.substr(head_end + 4);
    }
    char chunk[4096];
    const ssize_t got = ::recv(connection, chunk, sizeof chunk, 0);
    if (got <= 0) return std::nullopt;
    data.append(chunk, static_cast<std::size_t>(got));
  }
  return std::nullopt;
}

}  // namespace

std::expected<std::unique_ptr<TokenEndpointServer>, std::string> TokenEndpointServer::start(std::string answer) {
  std::unique_ptr<TokenEndpointServer> endpoint(new TokenEndpointServer(std::move(answer)));
  auto server = LoopbackServer::start([raw = endpoint.get()](int connection) { raw->serve(connection); });
  if (!server) return std::unexpected(server.error());
  endpoint->server_ = std::move(*server);
  return endpoint;
}

std::string TokenEndpointServer::url() const {
  return "http://127.0.0.1:" + std::to_string(server_->port()) + "/token";
}

std::vector<std::string> TokenEndpointServer::forms() const {
  const std::lock_guard lock(mutex_);
  return forms_;
}

void TokenEndpointServer::serve(int connection) {
  auto form = read_body(connection);
  if (!form) return;
  {
    const std::lock_guard lock(mutex_);
    forms_.push_back(std::move(*form));
  }
  const std::string response =
      "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " + std::to_string(answer_.size()) +
      "\r\nConnection: close\r\n\r\n" + answer_;
  ::send(connection, response.data(), response.size(), MSG_NOSIGNAL);
}

}  // namespace orvo::test_servers
