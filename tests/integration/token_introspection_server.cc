#include "integration/token_introspection_server.h"

#include <sys/socket.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <nlohmann/json.hpp>
#include <optional>
#include <ranges>
#include <string_view>

namespace orvo::test_servers {
namespace {

constexpr std::size_t max_request_size = 64 * 1024;

bool receive_more(int connection, std::string& data) {
  char chunk[4096];
  const ssize_t got = ::recv(connection, chunk, sizeof chunk, 0);
  if (got <= 0) return false;
  data.append(chunk, static_cast<std::size_t>(got));
  return data.size() <= max_request_size;
}

std::size_t content_length(std::string head) {
  std::ranges::transform(head, head.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  constexpr std::string_view field = "\r\ncontent-length:";
  const std::size_t at = head.find(field);
  if (at == std::string::npos) return 0;
  std::string_view value = std::string_view(head).substr(at + field.size());
  value.remove_prefix(std::min(value.find_first_not_of(' '), value.size()));
  std::size_t length = 0;
  std::from_chars(value.data(), value.data() + value.size(), length);
  return length;
}

// The body of one HTTP request; Dovecot posts small forms with a Content-Length.
std::optional<std::string> read_body(int connection) {
  std::string data;
  std::size_t head_end;
  while ((head_end = data.find("\r\n\r\n")) == std::string::npos) {
    if (!receive_more(connection, data)) return std::nullopt;
  }
  const std::size_t body_start = head_end + 4;
  const std::size_t length = content_length(data.substr(0, body_start));
  while (data.size() < body_start + length) {
    if (!receive_more(connection, data)) return std::nullopt;
  }
  return data.substr(body_start, length);
}

std::string form_decode(std::string_view text) {
  std::string decoded;
  while (!text.empty()) {
    unsigned byte = 0;
    const char* const escape_end = text.data() + std::min<std::size_t>(3, text.size());
    if (text.size() >= 3 && text[0] == '%' &&
        std::from_chars(text.data() + 1, escape_end, byte, 16).ptr == escape_end) {
      decoded += static_cast<char>(byte);
      text.remove_prefix(3);
    } else {
      decoded += text[0] == '+' ? ' ' : text[0];
      text.remove_prefix(1);
    }
  }
  return decoded;
}

std::string form_value(std::string_view body, std::string_view name) {
  for (const auto part : std::views::split(body, '&')) {
    const std::string_view pair(part.begin(), part.end());
    if (pair.starts_with(name) && pair.substr(name.size()).starts_with('=')) {
      return form_decode(pair.substr(name.size() + 1));
    }
  }
  return {};
}

void send_json(int connection, const std::string& json) {
  const std::string response =
      "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " + std::to_string(json.size()) +
      "\r\nConnection: close\r\n\r\n" + json;
  ::send(connection, response.data(), response.size(), MSG_NOSIGNAL);
}

}  // namespace

std::expected<std::unique_ptr<TokenIntrospectionServer>, std::string> TokenIntrospectionServer::start() {
  std::unique_ptr<TokenIntrospectionServer> endpoint(new TokenIntrospectionServer());
  auto server = LoopbackServer::start([raw = endpoint.get()](int connection) { raw->answer(connection); });
  if (!server) return std::unexpected(server.error());
  endpoint->server_ = std::move(*server);
  return endpoint;
}

std::string TokenIntrospectionServer::url() const {
  return "http://127.0.0.1:" + std::to_string(server_->port()) + "/introspect";
}

void TokenIntrospectionServer::grant(const std::string& token, const std::string& user) {
  const std::lock_guard lock(mutex_);
  users_by_token_[token] = user;
}

void TokenIntrospectionServer::revoke(const std::string& token) {
  const std::lock_guard lock(mutex_);
  users_by_token_.erase(token);
}

void TokenIntrospectionServer::answer(int connection) const {
  if (const auto body = read_body(connection)) send_json(connection, verdict(form_value(*body, "token")));
}

std::string TokenIntrospectionServer::verdict(const std::string& token) const {
  const std::lock_guard lock(mutex_);
  const auto found = users_by_token_.find(token);
  if (found == users_by_token_.end()) return nlohmann::json{{"active", false}}.dump();
  return nlohmann::json{{"active", true}, {"username", found->second}}.dump();
}

}  // namespace orvo::test_servers
