#include "app/status_tone.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <string>

namespace mail::app {

int status_tone(std::string_view status) {
  std::string lowered(status);
  std::ranges::transform(lowered, lowered.begin(), [](unsigned char c) {
    return c < 0x80 ? static_cast<char>(std::tolower(c)) : static_cast<char>(c);
  });
  auto mentions = [&](std::initializer_list<std::string_view> words) {
    return std::ranges::any_of(words, [&](std::string_view word) { return lowered.find(word) != std::string::npos; });
  };
  if (mentions({"failed", "couldn\u2019t", "couldn't", "error"})) return 3;
  if (mentions({"offline", "isn't available"})) return 2;
  if (mentions({"sync", "connecting", "opening"})) return 0;
  return 1;
}

}  // namespace mail::app
