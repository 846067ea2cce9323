#pragma once

// Only this folder's sources include this file: it keeps Asio and OpenSSL out of
// tls_config.h.

#include <asio/ssl/context.hpp>

#include "platform/net/tls_config.h"

namespace orvo::net {

struct TlsConfig::Impl {
  asio::ssl::context context{asio::ssl::context::tls_client};
};

}  // namespace orvo::net
