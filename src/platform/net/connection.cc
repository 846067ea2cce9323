#include "platform/net/connection.h"

#include <openssl/ssl.h>
#include <openssl/x509_vfy.h>

#include <array>
#include <asio/connect.hpp>
#include <asio/ip/tcp.hpp>
#include <asio/post.hpp>
#include <asio/ssl/error.hpp>
#include <asio/ssl/stream.hpp>
#include <asio/strand.hpp>
#include <exception>
#include <functional>
#include <future>

#include "platform/net/runtime_impl.h"
#include "platform/net/server_name.h"
#include "platform/net/tls_config_impl.h"

namespace orvo::net {
namespace {

using Tcp = asio::ip::tcp;
using Strand = asio::strand<asio::io_context::executor_type>;

// How an operation started on the runtime tells the waiting caller it has ended.
using Finish = std::function<void(const asio::error_code&)>;

std::string system_text(const asio::error_code& error) { return error.message(); }

std::string resolve_error_text(const asio::error_code& error) {
  // The resolver's own words ("Host not found (authoritative)") do not say that a
  // name lookup failed.
  return "cannot resolve the server name: " + error.message();
}

std::string read_error_text(const asio::error_code& error) {
  // A TLS server that goes away without close_notify and a plain one that closes
  // cleanly mean the same to a protocol still waiting for the rest of an answer.
  if (error == asio::error::eof || error == asio::ssl::error::stream_truncated) {
    return "connection closed by the server";
  }
  return error.message();
}

std::string duration_text(std::chrono::milliseconds duration) {
  if (duration.count() % 1000 == 0) return std::to_string(duration.count() / 1000) + " s";
  return std::to_string(duration.count()) + " ms";
}

}  // namespace

struct Connection::Impl {
  Impl(Runtime::Impl& runtime, asio::ssl::context& tls, std::string_view host, std::uint16_t port, Timeouts timeouts)
      : strand(asio::make_strand(runtime.context)), stream(strand, tls), host(host), port(port), timeouts(timeouts) {}

  std::expected<void, std::string> connect();
  std::expected<Tcp::resolver::results_type, std::string> resolve();
  std::expected<void, std::string> handshake();
  std::expected<void, std::string> name_the_server();
  std::string handshake_error_text(const asio::error_code& error);
  std::string timed_out(std::string_view step) const;
  void abandon();

  template <class Operate, class Word>
  std::expected<std::size_t, std::string> transfer(std::string_view step, Operate operate, Word word);
  template <class Start, class Word>
  std::expected<void, std::string> await(std::string_view step, Start start, Word word);

  // Every operation runs on this strand, and the caller touches the stream only
  // between operations, so the stream never sees two threads at once although the
  // runtime has several.
  Strand strand;
  asio::ssl::stream<Tcp::socket> stream;
  const std::string host;
  const std::uint16_t port;
  const Timeouts timeouts;
  bool secured = false;
  std::array<char, 16 * 1024> buffer{};
};

// Runs `start` on the strand and blocks until the operation it starts calls Finish,
// or until the server has been silent for the idle timeout; the socket is then
// closed, which ends the operation. Either way the operation is over on return, so
// whatever it writes to may live on the caller's stack.
template <class Start, class Word>
std::expected<void, std::string> Connection::Impl::await(std::string_view step, Start start, Word word) {
  auto promise = std::make_shared<std::promise<asio::error_code>>();
  std::future<asio::error_code> finished = promise->get_future();
  asio::post(strand, [start = std::move(start), promise] {
    start([promise](const asio::error_code& error) { promise->set_value(error); });
  });
  if (finished.wait_for(timeouts.idle) == std::future_status::timeout) {
    asio::post(strand, [this] { abandon(); });
    finished.wait();
    return std::unexpected(timed_out(step));
  }
  if (const asio::error_code error = finished.get()) return std::unexpected(word(error));
  return {};
}

// One read or write on whichever layer carries the data now: the TLS stream, or the
// bare socket before STARTTLS.
template <class Operate, class Word>
std::expected<std::size_t, std::string> Connection::Impl::transfer(std::string_view step, Operate operate, Word word) {
  std::size_t moved = 0;
  auto done = await(
      step,
      [&](const Finish& finish) {
        auto handler = [&moved, finish](const asio::error_code& error, std::size_t bytes) {
          moved = bytes;
          finish(error);
        };
        if (secured) {
          operate(stream, handler);
        } else {
          operate(stream.next_layer(), handler);
        }
      },
      word);
  if (!done) return std::unexpected(done.error());
  return moved;
}

std::expected<void, std::string> Connection::Impl::connect() {
  const auto endpoints = resolve();
  if (!endpoints) return std::unexpected(endpoints.error());
  return await(
      "connection attempt",
      [&](const Finish& finish) {
        asio::async_connect(stream.next_layer(), *endpoints,
                            [this, finish](const asio::error_code& error, const Tcp::endpoint&) {
                              // Commands are small writes that each wait for an answer;
                              // Nagle's algorithm would only hold them back.
                              asio::error_code ignored;
                              if (!error) stream.next_layer().set_option(Tcp::no_delay(true), ignored);
                              finish(error);
                            });
      },
      system_text);
}

// The system resolver cannot be interrupted, so a lookup still running at the timeout
// is left to finish by itself. It owns everything it touches, for this connection may
// be gone by then.
std::expected<Tcp::resolver::results_type, std::string> Connection::Impl::resolve() {
  struct Lookup {
    explicit Lookup(const Strand& strand) : resolver(strand) {}
    Tcp::resolver resolver;
    std::promise<void> finished;
    asio::error_code error;
    Tcp::resolver::results_type endpoints;
  };
  auto lookup = std::make_shared<Lookup>(strand);
  std::future<void> finished = lookup->finished.get_future();
  asio::post(strand, [lookup, host = host, service = std::to_string(port)] {
    lookup->resolver.async_resolve(host, service, Tcp::resolver::numeric_service,
                                   [lookup](const asio::error_code& error, Tcp::resolver::results_type endpoints) {
                                     lookup->error = error;
                                     lookup->endpoints = std::move(endpoints);
                                     lookup->finished.set_value();
                                   });
  });
  if (finished.wait_for(timeouts.idle) == std::future_status::timeout) {
    return std::unexpected(timed_out("name resolution"));
  }
  if (lookup->error) return std::unexpected(resolve_error_text(lookup->error));
  return lookup->endpoints;
}

std::expected<void, std::string> Connection::Impl::handshake() {
  if (auto named = name_the_server(); !named) return named;
  auto done = await(
      "secure session setup",
      [this](const Finish& finish) { stream.async_handshake(asio::ssl::stream_base::client, finish); },
      [this](const asio::error_code& error) { return handshake_error_text(error); });
  secured = done.has_value();
  return done;
}

// The name sent in SNI is the one the certificate must be valid for: the server picks
// its certificate by it. An IP address is sent no SNI and is checked against the
// certificate's address entries instead.
std::expected<void, std::string> Connection::Impl::name_the_server() {
  SSL* ssl = stream.native_handle();
  if (is_ip_address(host)) {
    if (::X509_VERIFY_PARAM_set1_ip_asc(::SSL_get0_param(ssl), host.c_str()) == 1) return {};
  } else if (::SSL_set_tlsext_host_name(ssl, host.c_str()) == 1 && ::SSL_set1_host(ssl, host.c_str()) == 1) {
    return {};
  }
  return std::unexpected("the server name cannot be used for TLS");
}

std::string Connection::Impl::handshake_error_text(const asio::error_code& error) {
  std::string text = "TLS handshake failed: " + error.message();
  // OpenSSL's error only says that verification failed; the verify result says why.
  const long verdict = ::SSL_get_verify_result(stream.native_handle());
  if (verdict != X509_V_OK) text += std::string(": ") + ::X509_verify_cert_error_string(verdict);
  return text;
}

std::string Connection::Impl::timed_out(std::string_view step) const {
  return std::string(step) + " timed out after " + duration_text(timeouts.idle);
}

void Connection::Impl::abandon() {
  asio::error_code ignored;
  stream.next_layer().close(ignored);
}

Connection::Connection(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

Connection::Connection(Connection&& other) noexcept = default;

Connection& Connection::operator=(Connection&& other) noexcept {
  if (this != &other) {
    close();
    impl_ = std::move(other.impl_);
  }
  return *this;
}

Connection::~Connection() { close(); }

std::expected<Connection, std::string> Connection::connect_tls(Runtime& runtime, const TlsConfig& tls,
                                                               std::string_view host, std::uint16_t port,
                                                               Timeouts timeouts) {
  auto connection = open(runtime, tls, host, port, timeouts);
  if (!connection) return connection;
  if (auto secured = connection->start_tls(); !secured) return std::unexpected(secured.error());
  return connection;
}

std::expected<Connection, std::string> Connection::connect_plain(Runtime& runtime, const TlsConfig& tls,
                                                                 std::string_view host, std::uint16_t port,
                                                                 Timeouts timeouts) {
  return open(runtime, tls, host, port, timeouts);
}

std::expected<Connection, std::string> Connection::open(Runtime& runtime, const TlsConfig& tls, std::string_view host,
                                                        std::uint16_t port, Timeouts timeouts) {
  if (auto valid = check_server_name(host); !valid) return std::unexpected("invalid server name: " + valid.error());
  std::unique_ptr<Impl> impl;
  try {
    impl = std::make_unique<Impl>(*runtime.impl_, tls.impl_->context, host, port, timeouts);
  } catch (const std::exception& error) {
    return std::unexpected(std::string("could not set up a connection: ") + error.what());
  }
  if (auto connected = impl->connect(); !connected) return std::unexpected(connected.error());
  return Connection(std::move(impl));
}

std::expected<void, std::string> Connection::start_tls() {
  if (impl_->secured) return std::unexpected("the connection is already secured");
  return impl_->handshake();
}

std::expected<void, std::string> Connection::write_all(std::string_view bytes) {
  while (!bytes.empty()) {
    const auto sent = impl_->transfer(
        "sending to the server",
        [bytes](auto& layer, auto handler) {
          layer.async_write_some(asio::buffer(bytes.data(), bytes.size()), handler);
        },
        system_text);
    if (!sent) return std::unexpected(sent.error());
    bytes.remove_prefix(*sent);
  }
  return {};
}

std::expected<std::string, std::string> Connection::read_some() {
  auto& buffer = impl_->buffer;
  const auto received = impl_->transfer(
      "waiting for the server",
      [&buffer](auto& layer, auto handler) { layer.async_read_some(asio::buffer(buffer), handler); }, read_error_text);
  if (!received) return std::unexpected(received.error());
  return std::string(buffer.data(), *received);
}

void Connection::close() {
  if (!impl_) return;
  // Closing touches the socket, so it too happens on the strand.
  std::packaged_task<void()> abandon([this] { impl_->abandon(); });
  std::future<void> done = abandon.get_future();
  asio::post(impl_->strand, std::move(abandon));
  done.wait();
}

}  // namespace orvo::net
