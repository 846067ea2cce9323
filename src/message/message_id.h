#pragma once

#include <compare>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace mail::message {

// A message's stable 128-bit identifier.
struct MessageId {
  std::uint64_t high = 0;
  std::uint64_t low = 0;

  // 36 lower-case hexadecimal characters in the groups 8-4-4-4-12.
  [[nodiscard]] std::string to_string() const;
  // The form above, in either case; anything else is no id.
  static std::optional<MessageId> parse(std::string_view text);
  // The id of a message that carries this Message-ID. Blanks and angle brackets around it
  // do not count, so a message fetched again, or from another folder, keeps its id. One
  // that is empty without them identifies nothing: such messages would all share one id.
  static std::optional<MessageId> from_message_id(std::string_view message_id);
  // A fresh version-4 UUID, for a message without a Message-ID.
  static MessageId random();

  friend auto operator<=>(const MessageId&, const MessageId&) = default;
};

}  // namespace mail::message

template <>
struct std::hash<mail::message::MessageId> {
  std::size_t operator()(const mail::message::MessageId& id) const noexcept {
    return std::hash<std::uint64_t>()(id.high ^ (id.low * 0x9e3779b97f4a7c15ULL));
  }
};
