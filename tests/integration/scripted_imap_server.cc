#include "integration/scripted_imap_server.h"

#include <algorithm>
#include <optional>

namespace orvo::test_servers {
namespace {

constexpr std::string_view greeting = "* OK [CAPABILITY IMAP4rev1 MOVE] scripted server ready\r\n";

using Session = std::unique_ptr<SSL, decltype(&::SSL_free)>;

bool send(SSL* ssl, std::string_view bytes) {
  return bytes.empty() || ::SSL_write(ssl, bytes.data(), static_cast<int>(bytes.size())) > 0;
}

// The next line from the client without its CRLF; none once it stops sending.
std::optional<std::string> read_line(SSL* ssl, std::string& pending) {
  std::size_t end;
  while ((end = pending.find("\r\n")) == std::string::npos) {
    char chunk[4096];
    const int got = ::SSL_read(ssl, chunk, sizeof chunk);
    if (got <= 0) return std::nullopt;
    pending.append(chunk, static_cast<std::size_t>(got));
  }
  std::string line = pending.substr(0, end);
  pending.erase(0, end + 2);
  return line;
}

std::string with_tag(std::string reply, const std::string& tag) {
  for (std::size_t at; (at = reply.find("{tag}")) != std::string::npos;) reply.replace(at, 5, tag);
  return reply;
}

}  // namespace

std::expected<std::unique_ptr<ScriptedImapServer>, std::string> ScriptedImapServer::start(
    const CertificateFiles& identity, std::vector<ScriptedReply> script) {
  std::unique_ptr<SSL_CTX, ContextFree> context(::SSL_CTX_new(::TLS_server_method()));
  if (!context || ::SSL_CTX_use_certificate_chain_file(context.get(), identity.certificate.c_str()) != 1 ||
      ::SSL_CTX_use_PrivateKey_file(context.get(), identity.key.c_str(), SSL_FILETYPE_PEM) != 1) {
    return std::unexpected("could not set up TLS for the scripted IMAP server");
  }
  std::unique_ptr<ScriptedImapServer> imap(new ScriptedImapServer(std::move(context), std::move(script)));
  auto server = LoopbackServer::start([raw = imap.get()](int connection) { raw->serve(connection); });
  if (!server) return std::unexpected(server.error());
  imap->server_ = std::move(*server);
  return imap;
}

ScriptedImapServer::ScriptedImapServer(std::unique_ptr<SSL_CTX, ContextFree> context, std::vector<ScriptedReply> script)
    : context_(std::move(context)), script_(std::move(script)) {}

std::vector<std::string> ScriptedImapServer::received() const {
  const std::lock_guard lock(mutex_);
  return received_;
}

void ScriptedImapServer::serve(int connection) {
  const Session ssl(::SSL_new(context_.get()), &::SSL_free);
  if (!ssl || ::SSL_set_fd(ssl.get(), connection) != 1 || ::SSL_accept(ssl.get()) != 1) return;
  if (!send(ssl.get(), greeting)) return;
  std::string pending;
  while (const auto line = read_line(ssl.get(), pending)) {
    const std::size_t blank = std::min(line->find(' '), line->size());
    const std::string tag = line->substr(0, blank);
    const std::string command = line->substr(std::min(blank + 1, line->size()));
    {
      const std::lock_guard lock(mutex_);
      received_.push_back(command);
    }
    const auto reply =
        std::ranges::find_if(script_, [&](const ScriptedReply& r) { return command.starts_with(r.command); });
    if (reply == script_.end()) {
      send(ssl.get(), tag + " BAD not in the script\r\n");
      continue;
    }
    if (!send(ssl.get(), with_tag(reply->reply, tag)) || reply->hang_up) return;
  }
}

}  // namespace orvo::test_servers
