#pragma once

#include <chrono>
#include <cstdint>
#include <expected>
#include <memory>
#include <string>
#include <string_view>

#include "platform/net/runtime.h"
#include "platform/net/tls_config.h"

namespace orvo::net {

struct Timeouts {
  // The longest any single wait for the server may last: resolving its name,
  // connecting, the TLS handshake, each read, and each write that makes no progress.
  std::chrono::milliseconds idle = std::chrono::seconds(120);
};

// One TCP connection to a server, normally inside TLS. Every call blocks the calling
// thread, which must not be one of the runtime's, while the runtime does the work.
//
// Each wait for the server ends after `Timeouts::idle` with an error saying "timed
// out", and the connection is closed then: a stalled server costs one timeout, never
// a hung caller. Errors carry the system's or the TLS library's own words, so that one
// place above can turn them into sentences for people; they never contain the host,
// whose letters could be mistaken for those words.
class Connection {
 public:
  // Resolves `host`, connects and starts TLS at once (implicit TLS), sending `host`
  // as the server name and requiring a certificate valid for it.
  static std::expected<Connection, std::string> connect_tls(Runtime& runtime, const TlsConfig& tls,
                                                            std::string_view host, std::uint16_t port,
                                                            Timeouts timeouts = {});

  // Resolves `host` and connects without TLS, for protocols that upgrade in band
  // (STARTTLS); start_tls() then does what connect_tls() does after connecting.
  static std::expected<Connection, std::string> connect_plain(Runtime& runtime, const TlsConfig& tls,
                                                              std::string_view host, std::uint16_t port,
                                                              Timeouts timeouts = {});

  // Whatever the server sent between its go-ahead and the handshake did not come
  // through TLS: the caller must drop it, not read it as part of the secure session.
  std::expected<void, std::string> start_tls();

  std::expected<void, std::string> write_all(std::string_view bytes);

  // Waits for bytes from the server and returns those that arrived, never none. The
  // server closing the connection is an error: the protocols spoken here always
  // know when an answer is complete.
  std::expected<std::string, std::string> read_some();

  // Drops the connection without a TLS goodbye: the protocols on top end their
  // sessions themselves, and waiting for the server's close_notify would only add a
  // round trip. Safe to call more than once; the destructor calls it.
  void close();

  Connection(Connection&& other) noexcept;
  Connection& operator=(Connection&& other) noexcept;
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  ~Connection();

 private:
  struct Impl;

  explicit Connection(std::unique_ptr<Impl> impl);
  static std::expected<Connection, std::string> open(Runtime& runtime, const TlsConfig& tls, std::string_view host,
                                                     std::uint16_t port, Timeouts timeouts);

  std::unique_ptr<Impl> impl_;
};

}  // namespace orvo::net
