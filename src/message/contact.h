#pragma once

#include <optional>
#include <string>

namespace mail::message {

// One mailbox: an address and, when the header gave one, a display name.
struct Contact {
  std::string address;
  std::optional<std::string> name;
  friend bool operator==(const Contact&, const Contact&) = default;
};

}  // namespace mail::message
