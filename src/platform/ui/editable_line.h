#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvo::ui {

// The text of a one-line field with its caret and selection, changed the way keys
// change it. The text is always one line of valid UTF-8, and the caret and the
// selection's anchor are byte offsets on character boundaries.
class EditableLine {
 public:
  // Byte offsets, begin <= end.
  struct Range {
    std::size_t begin = 0;
    std::size_t end = 0;
  };

  enum class Motion : std::uint8_t { Left, Right, Home, End };

  [[nodiscard]] const std::string& text() const { return text_; }
  [[nodiscard]] std::size_t caret() const { return caret_; }
  [[nodiscard]] bool has_selection() const { return caret_ != anchor_; }
  [[nodiscard]] Range selection() const;
  [[nodiscard]] std::string_view selected_text() const;

  // Replaces the whole text and puts the caret at its end.
  void set_text(std::string_view text);

  // Each returns whether the text changed.
  // Types `text` over the selection.
  bool insert(std::string_view text);
  // Erases the selection, or else the character before (after) the caret.
  bool erase_backward();
  bool erase_forward();

  // Without `extend` the selection collapses: a step left or right over a selection
  // lands on its edge. With it the caret moves and the anchor stays.
  void move(Motion motion, bool extend);
  // An offset inside a character moves back to its start.
  void place_caret(std::size_t offset, bool extend);
  void select_all();

 private:
  [[nodiscard]] std::size_t destination(Motion motion) const;
  bool erase(Range range);

  std::string text_;
  std::size_t caret_ = 0;
  std::size_t anchor_ = 0;
};

}  // namespace orvo::ui
