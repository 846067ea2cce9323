#include "platform/ui/avatar.h"

#include <cctype>

namespace orvo::ui {
namespace {

// The first UTF-8 character of `word`, upper-cased when it is ASCII.
std::string first_character(std::string_view word) {
  std::size_t length = 1;
  const auto lead = static_cast<unsigned char>(word.front());
  if (lead >= 0xf0) length = 4;
  else if (lead >= 0xe0) length = 3;
  else if (lead >= 0xc0) length = 2;
  std::string character(word.substr(0, length));
  if (length == 1) character[0] = static_cast<char>(std::toupper(lead));
  return character;
}

}  // namespace

std::string Avatar::initials(std::string_view label) {
  label = label.substr(0, label.find('@'));
  std::string result;
  std::size_t words = 0;
  std::size_t position = 0;
  while (words < 2) {
    position = label.find_first_not_of(" \t._-", position);
    if (position == std::string_view::npos) break;
    result += first_character(label.substr(position));
    ++words;
    position = label.find_first_of(" \t._-", position);
    if (position == std::string_view::npos) break;
  }
  return result.empty() ? "?" : result;
}

void Avatar::paint(Canvas& canvas, Point center, double radius, std::string_view label, Color background,
                   Color text) {
  canvas.fill_circle(center, radius, background);
  const std::string letters = initials(label);
  const TextStyle style{radius * 0.8, FontWeight::Semibold};
  const TextRenderer& renderer = canvas.text();
  // Initials follow the avatar's size, not the text scale.
  const double scale = renderer.scale() > 0 ? renderer.scale() : 1;
  const TextStyle unscaled{style.size / scale, style.weight};
  const double width = renderer.width(letters, unscaled);
  const double height = renderer.line_height(unscaled);
  canvas.draw_text(letters, {center.x - width / 2, center.y - height / 2}, unscaled, text);
}

}  // namespace orvo::ui
