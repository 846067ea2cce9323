#pragma once

#include <compare>
#include <string>

#include "platform/crypto/uuid.h"

namespace mail::engine {

// Made by the application for each request and carried by every event answering it.
struct RequestId {
  orvo::crypto::Uuid uuid;

  static RequestId generate() { return {orvo::crypto::Uuid::random_v4()}; }
  [[nodiscard]] std::string to_string() const { return uuid.to_string(); }
  friend auto operator<=>(const RequestId&, const RequestId&) = default;
};

}  // namespace mail::engine
