#include "platform/ui/pseudo_locale.h"

#include <array>
#include <string_view>

namespace orvo::ui {
namespace {

constexpr std::array<std::string_view, 26> accented_upper = {"Å", "Ɓ", "Ç", "Đ", "É", "Ƒ", "Ĝ", "Ĥ", "Î",
                                                             "Ĵ", "Ķ", "Ļ", "Ṁ", "Ñ", "Ö", "Ƥ", "Ǫ", "Ŕ",
                                                             "Š", "Ŧ", "Û", "Ṽ", "Ŵ", "Ẋ", "Ý", "Ž"};
constexpr std::array<std::string_view, 26> accented_lower = {"å", "ƀ", "ç", "đ", "é", "ƒ", "ĝ", "ĥ", "î",
                                                             "ĵ", "ķ", "ļ", "ṁ", "ñ", "ö", "ƥ", "ǫ", "ŕ",
                                                             "š", "ŧ", "û", "ṽ", "ŵ", "ẋ", "ý", "ž"};

std::string accent(std::string_view text) {
  std::string accented;
  accented.reserve(text.size() * 2);
  for (const char c : text) {
    if (c >= 'A' && c <= 'Z') {
      accented += accented_upper[static_cast<std::size_t>(c - 'A')];
    } else if (c >= 'a' && c <= 'z') {
      accented += accented_lower[static_cast<std::size_t>(c - 'a')];
    } else {
      accented += c;
    }
  }
  return accented;
}

}  // namespace

FluentPattern pseudo_localize(const FluentPattern& pattern) {
  FluentPattern pseudo;
  pseudo.elements.emplace_back(std::string("["));
  for (const FluentElement& element : pattern.elements) {
    if (const auto* literal = std::get_if<std::string>(&element)) {
      pseudo.elements.emplace_back(accent(*literal));
    } else {
      pseudo.elements.push_back(element);
    }
  }
  pseudo.elements.emplace_back(std::string("]"));
  return pseudo;
}

}  // namespace orvo::ui
