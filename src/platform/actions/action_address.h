#pragma once

#include <expected>
#include <string>
#include <string_view>

namespace orvo::actions {

// Where an action lives: a resource id and, to name one of its actions, the action's
// id. The text form is "RESOURCE#ACTION" (or "RESOURCE" alone) with "%", "#", blanks
// and control characters of either part written as "%XX", so that any resource id
// (a Message-ID may hold "#") survives the round trip.
struct ActionAddress {
  std::string resource;
  std::string action;  // empty: the resource itself

  [[nodiscard]] std::string encode() const;
  static std::expected<ActionAddress, std::string> parse(std::string_view text);

  friend bool operator==(const ActionAddress&, const ActionAddress&) = default;
};

}  // namespace orvo::actions
