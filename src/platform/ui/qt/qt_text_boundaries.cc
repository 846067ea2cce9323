#include <QTextBoundaryFinder>

#include "platform/ui/qt/qt_text_renderer.h"
#include "platform/ui/text_boundaries.h"

namespace orvo::ui {
namespace {

// The byte offset of every UTF-16 position of `text`, and of its end: Qt counts in
// UTF-16 units, where a code point of four UTF-8 bytes takes two.
std::vector<std::size_t> byte_offsets_by_utf16_position(std::string_view text) {
  std::vector<std::size_t> offsets;
  offsets.reserve(text.size() + 1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) == 0x80) continue;
    offsets.push_back(i);
    if (byte >= 0xF0) offsets.push_back(i);
  }
  offsets.push_back(text.size());
  return offsets;
}

}  // namespace

std::vector<std::size_t> grapheme_boundaries(std::string_view text) {
  const std::vector<std::size_t> offsets = byte_offsets_by_utf16_position(text);
  QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, qt::to_qstring(text));
  std::vector<std::size_t> boundaries{0};
  for (qsizetype position = finder.toNextBoundary(); position > 0; position = finder.toNextBoundary()) {
    // Clamped and kept increasing, so that text which is not valid UTF-8 still yields
    // offsets inside it.
    const std::size_t offset = offsets[std::min(static_cast<std::size_t>(position), offsets.size() - 1)];
    if (offset > boundaries.back()) boundaries.push_back(offset);
  }
  if (boundaries.back() != text.size()) boundaries.push_back(text.size());
  return boundaries;
}

}  // namespace orvo::ui
