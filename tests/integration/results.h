#pragma once

#include <expected>
#include <stdexcept>
#include <string>
#include <utility>

namespace orvo::test_servers {

// The value, or an exception carrying the error, which GoogleTest reports as the
// reason the test failed: for setting up servers in fixtures, where ASSERT cannot go.
template <class T>
T require(std::expected<T, std::string> result) {
  if (!result) throw std::runtime_error(result.error());
  return std::move(*result);
}

inline void require(const std::expected<void, std::string>& result) {
  if (!result) throw std::runtime_error(result.error());
}

// The error, or nothing when there was none.
template <class T>
std::string error_of(const std::expected<T, std::string>& result) {
  return result ? std::string() : result.error();
}

}  // namespace orvo::test_servers
