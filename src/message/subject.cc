#include "message/subject.h"

#include <algorithm>
#include <array>
#include <optional>

#include "message/ascii.h"

namespace mail::message {
namespace {

constexpr std::array<std::string_view, 3> forward_prefixes{"re:", "fwd:", "fw:"};

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::ranges::equal(text.substr(0, prefix.size()), prefix, {}, ascii_lower);
}

std::optional<std::string_view> forward_prefix_of(std::string_view text) {
  for (std::string_view prefix : forward_prefixes) {
    if (starts_with_ignoring_case(text, prefix)) return prefix;
  }
  return std::nullopt;
}

}  // namespace

std::string_view base_subject(std::string_view subject) {
  std::string_view base = trim_blanks(subject);
  while (const auto prefix = forward_prefix_of(base)) {
    base = trim_leading_blanks(base.substr(prefix->size()));
  }
  return base;
}

std::string reply_subject(std::string_view subject) {
  if (starts_with_ignoring_case(subject, "re:")) return std::string(subject);
  return "Re: " + std::string(subject);
}

std::string forward_subject(std::string_view subject) {
  return "Fwd: " + std::string(base_subject(subject));
}

}  // namespace mail::message
